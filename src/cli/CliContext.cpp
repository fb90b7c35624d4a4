#include "CliContext.h"

namespace tessarin::cli {

CliContext::CliContext(std::filesystem::path dataFile, std::vector<std::string> arguments, std::istream& in,
                       std::ostream& out, std::ostream& err)
    : dataFile_(std::move(dataFile)), arguments_(std::move(arguments)), in_(in), out_(out), err_(err) {}

void CliContext::setArguments(std::vector<std::string> arguments,
                              std::map<std::string, std::string, std::less<>> options) {
    arguments_ = std::move(arguments);
    options_ = std::move(options);
}

std::optional<std::string> CliContext::option(std::string_view name) const {
    const auto found = options_.find(name);
    if (found == options_.end())
        return std::nullopt;
    return found->second;
}

data::Connection& CliContext::connection() {
    if (!connection_.isOpen())
        connection_.open(dataFile_);
    return connection_;
}

} // namespace tessarin::cli
