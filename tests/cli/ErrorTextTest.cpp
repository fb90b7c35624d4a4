#include "cli/ErrorText.h"

#include <gtest/gtest.h>

namespace tessarin::cli {
namespace {

TEST(TerminalLines, ACarriageReturnStartsANewLineOnce) {
    const std::pair<std::string, std::string> cases[] = {
        {"Unsupported skin version\rPlease use a skin", "Unsupported skin version\nPlease use a skin"},
        {"one\r\ntwo", "one\ntwo"},
        {"end\r", "end\n"},
        {"\r\r\n\r", "\n\n\n"},
        {"no break", "no break"},
        {"", ""},
    };
    for (const auto& [message, lines] : cases)
        EXPECT_EQ(terminalLines(message), lines) << message;
}

} // namespace
} // namespace tessarin::cli
