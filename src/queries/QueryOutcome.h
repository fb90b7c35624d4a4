#pragma once

#include <optional>
#include <string>

namespace tessarin::queries {

// What a query leaves for its caller to tell the user. Without a notice the
// query's rows are on the result set. With one (an input left empty, or
// nothing found) the result set and train_tmp are as they were, and the
// caller shows the text in a "提示" box (the command line prints it).
struct QueryOutcome {
    std::optional<std::string> notice;

    bool shown() const noexcept { return !notice; }
};

} // namespace tessarin::queries
