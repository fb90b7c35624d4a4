#include "BeginUpdate.h"
#include "HttpGet.h"
#include "UpdateCheck.h"
#include "support/LoopbackHttpServer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>

namespace tessarin::update {
namespace {

using namespace std::chrono_literals;
using testing::LoopbackHttpServer;
using testing::RefusingPort;

// A bound on a fetch that has an answer to read: far beyond any delay of a
// loaded machine, and never waited for when the answer comes.
constexpr auto patience = 60s;

TEST(UpdateCheckTest, VersionsCompareNumberByNumber) {
    EXPECT_LT(compareVersions("1.9", "1.10"), 0);
    EXPECT_EQ(compareVersions("1.0", "1.0.0"), 0);
    EXPECT_GT(compareVersions("2", "1.99.99"), 0);
}

TEST(UpdateCheckTest, OnlyANewerVersionGivesANotice) {
    const auto newer = parseUpdateFile("# Tessarin\nversion = 1.2.0\nurl=http://example/get\n", "1.1.5");
    ASSERT_TRUE(newer);
    EXPECT_EQ(newer->version, "1.2.0");
    EXPECT_NE(newer->body.find("http://example/get"), std::string::npos);
    EXPECT_FALSE(parseUpdateFile("version=1.1.5\n", "1.1.5"));
    EXPECT_FALSE(parseUpdateFile("version=1.0\n", "1.1.5"));
    EXPECT_FALSE(parseUpdateFile("<html>not found</html>", "1.1.5"));
}

TEST(HttpGetTest, FetchesTheBodyOfAnOkAnswerAndNothingElse) {
    LoopbackHttpServer ok(testing::okAnswer("text/plain", "version=9.0\n"));
    EXPECT_EQ(httpGet(ok.url("/Update.txt"), patience), "version=9.0\n");

    LoopbackHttpServer missing("HTTP/1.0 404 Not Found\r\n\r\ngone");
    EXPECT_FALSE(httpGet(missing.url("/Update.txt"), patience));
    EXPECT_FALSE(httpGet("ftp://127.0.0.1/Update.txt", patience));
    const RefusingPort refusing;
    EXPECT_FALSE(httpGet("http://127.0.0.1:" + std::to_string(refusing.port()) + "/Update.txt", patience));
}

TEST(HttpGetTest, ASilentServerIsGivenUpAfterTheTimeout) {
    // The server never answers and never hangs up: only the fetch's own
    // timeout can end it.
    LoopbackHttpServer silent{LoopbackHttpServer::Silent{}};
    auto fetch = std::async(std::launch::async, [&] { return httpGet(silent.url("/Update.txt"), 300ms); });
    ASSERT_EQ(fetch.wait_for(patience), std::future_status::ready) << "the fetch waits on";
    EXPECT_FALSE(fetch.get());
    EXPECT_EQ(silent.requests("/Update.txt"), 1);
}

TEST(BeginUpdateTest, ReturnsWhileTheFetchGoesOnInTheBackground) {
    // The server holds the request unanswered; the fetch behind it can only
    // end by its own timeout, seconds later. A call that waited for the fetch
    // would return only after the client had given up.
    LoopbackHttpServer silent{LoopbackHttpServer::Silent{}};
    EXPECT_EQ(BeginUpdate(silent.url("/Update.txt").c_str(), 1), 0);
    ASSERT_TRUE(silent.waitForRequests("/Update.txt", 1));
    EXPECT_TRUE(silent.clientWaiting());
    EXPECT_EQ(BeginUpdate(nullptr, 1), 0);
}

} // namespace
} // namespace tessarin::update
