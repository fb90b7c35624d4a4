#include "CliContext.h"

#include "data/CommandLineScratch.h"

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
    // Results last between calls in the user's own scratch file; the
    // timetable is never written, whatever statement `sql` is given.
    if (!connection_.isOpen())
        connection_.open(dataFile_, {.scratchFile = data::commandLineScratchFile(dataFile_).value_or(std::filesystem::path()),
                                     .timetableReadOnly = true});
    return connection_;
}

} // namespace tessarin::cli
