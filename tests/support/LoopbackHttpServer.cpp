#include "LoopbackHttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace tessarin::testing {
namespace {

using namespace std::chrono_literals;

constexpr auto patience = 60s;
constexpr std::size_t largestRequest = 64 * 1024;

// A TCP socket bound to a free loopback port; the port through `port`.
int boundLoopbackSocket(int& port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        throw std::runtime_error("cannot bind a loopback socket");
    port = ntohs(address.sin_port);
    return fd;
}

// The request's head, read up to the blank line that ends its headers.
std::string readRequestHead(int client) {
    std::string head;
    char buffer[4096];
    while (head.find("\r\n\r\n") == std::string::npos && head.size() < largestRequest) {
        const ssize_t got = ::recv(client, buffer, sizeof buffer, 0);
        if (got <= 0)
            break;
        head.append(buffer, static_cast<std::size_t>(got));
    }
    return head;
}

// The path of "GET /path HTTP/1.1".
std::string requestPath(const std::string& head) {
    const auto start = head.find(' ');
    const auto end = head.find(' ', start + 1);
    return start == std::string::npos || end == std::string::npos ? std::string() : head.substr(start + 1, end - start - 1);
}

void drainUntilClosed(int client) {
    char buffer[4096];
    while (::recv(client, buffer, sizeof buffer, 0) > 0) {
    }
}

} // namespace

LoopbackHttpServer::LoopbackHttpServer(std::string answer) : LoopbackHttpServer(std::move(answer), false) {}

LoopbackHttpServer::LoopbackHttpServer(Silent) : LoopbackHttpServer(std::string(), true) {}

LoopbackHttpServer::LoopbackHttpServer(std::string answer, bool silent) : answer_(std::move(answer)), silent_(silent) {
    listener_ = boundLoopbackSocket(port_);
    if (::listen(listener_, 8) != 0)
        throw std::runtime_error("cannot listen on a loopback socket");
    thread_ = std::thread([this] { serve(); });
}

LoopbackHttpServer::~LoopbackHttpServer() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        if (client_ >= 0)
            ::shutdown(client_, SHUT_RDWR);
    }
    ::shutdown(listener_, SHUT_RDWR);
    thread_.join();
    ::close(listener_);
}

std::string LoopbackHttpServer::address(const std::string& path) const {
    return "127.0.0.1:" + std::to_string(port_) + path;
}

int LoopbackHttpServer::requests(const std::string& path) const {
    const std::lock_guard lock(mutex_);
    const auto found = requests_.find(path);
    return found == requests_.end() ? 0 : found->second;
}

bool LoopbackHttpServer::waitForRequests(const std::string& path, int count) const {
    std::unique_lock lock(mutex_);
    return requestArrived_.wait_for(lock, patience, [&] {
        const auto found = requests_.find(path);
        return found != requests_.end() && found->second >= count;
    });
}

bool LoopbackHttpServer::clientWaiting() const {
    const std::lock_guard lock(mutex_);
    return clientWaiting_;
}

void LoopbackHttpServer::serve() {
    for (;;) {
        const int client = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0)
            return;
        {
            const std::lock_guard lock(mutex_);
            if (stopping_) {
                ::close(client);
                return;
            }
            client_ = client;
        }
        handle(client);
        const std::lock_guard lock(mutex_);
        client_ = -1;
        ::close(client);
    }
}

void LoopbackHttpServer::handle(int client) {
    const std::string path = requestPath(readRequestHead(client));
    {
        const std::lock_guard lock(mutex_);
        clientWaiting_ = silent_;
        ++requests_[path];
    }
    requestArrived_.notify_all();
    if (silent_) {
        holdUntilHungUp(client);
        return;
    }
    (void)::send(client, answer_.data(), answer_.size(), MSG_NOSIGNAL);
    // Closing with unread bytes would reset the connection under the answer.
    ::shutdown(client, SHUT_WR);
    drainUntilClosed(client);
}

void LoopbackHttpServer::holdUntilHungUp(int client) {
    drainUntilClosed(client);
    const std::lock_guard lock(mutex_);
    clientWaiting_ = false;
}

std::string okAnswer(const std::string& contentType, const std::string& body) {
    return "HTTP/1.1 200 OK\r\nContent-Type: " + contentType + "\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

RefusingPort::RefusingPort() : socket_(boundLoopbackSocket(port_)) {}

RefusingPort::~RefusingPort() { ::close(socket_); }

} // namespace tessarin::testing
