#include "BeginUpdate.h"
#include "HttpGet.h"
#include "UpdateCheck.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace tessarin::update {
namespace {

using namespace std::chrono_literals;

// A one-connection-at-a-time HTTP server on loopback that answers every
// request with the given answer, or never answers when `silent`.
class LoopbackServer {
public:
    LoopbackServer(std::string answer, bool silent = false) : answer_(std::move(answer)), silent_(silent) {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        socklen_t length = sizeof address;
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        ::listen(fd_, 4);
        thread_ = std::thread([this] { serve(); });
    }
    ~LoopbackServer() {
        stopping_ = true;
        ::shutdown(fd_, SHUT_RDWR);
        ::close(fd_);
        thread_.join();
    }

    std::string url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(port_) + path;
    }
    int requests() const { return requests_; }

private:
    void serve() {
        while (!stopping_) {
            const int client = ::accept(fd_, nullptr, nullptr);
            if (client < 0)
                return;
            char buffer[2048];
            (void)::recv(client, buffer, sizeof buffer, 0);
            ++requests_;
            if (silent_)
                std::this_thread::sleep_for(1500ms);
            else
                (void)::send(client, answer_.data(), answer_.size(), MSG_NOSIGNAL);
            ::close(client);
        }
    }

    std::string answer_;
    bool silent_;
    int fd_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    std::atomic<int> requests_{0};
    std::thread thread_;
};

std::string okAnswer(const std::string& body) {
    return "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n" + body;
}

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
    LoopbackServer ok(okAnswer("version=9.0\n"));
    EXPECT_EQ(httpGet(ok.url("/Update.txt"), 2s), "version=9.0\n");

    LoopbackServer missing("HTTP/1.0 404 Not Found\r\n\r\ngone");
    EXPECT_FALSE(httpGet(missing.url("/Update.txt"), 2s));
    EXPECT_FALSE(httpGet("ftp://127.0.0.1/Update.txt", 2s));
    EXPECT_FALSE(httpGet("http://127.0.0.1:1/Update.txt", 2s));
}

TEST(HttpGetTest, ASilentServerIsGivenUpAfterTheTimeout) {
    LoopbackServer silent("", true);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(httpGet(silent.url("/Update.txt"), 300ms));
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1200ms);
}

TEST(BeginUpdateTest, ReturnsAtOnceAndFetchesTheFileInTheBackground) {
    LoopbackServer silent("", true);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(BeginUpdate(silent.url("/Update.txt").c_str(), 1), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 200ms);
    for (int i = 0; i < 100 && silent.requests() == 0; ++i)
        std::this_thread::sleep_for(10ms);
    EXPECT_EQ(silent.requests(), 1);
    EXPECT_EQ(BeginUpdate(nullptr, 1), 0);
}

} // namespace
} // namespace tessarin::update
