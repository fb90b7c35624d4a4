#include "CliContext.h"

namespace tessarin::cli {

CliContext::CliContext(std::filesystem::path dataFile, std::vector<std::string> arguments, std::istream& in,
                       std::ostream& out, std::ostream& err)
    : dataFile_(std::move(dataFile)), arguments_(std::move(arguments)), in_(in), out_(out), err_(err) {}

data::Connection& CliContext::connection() {
    if (!connection_.isOpen())
        connection_.open(dataFile_);
    return connection_;
}

} // namespace tessarin::cli
