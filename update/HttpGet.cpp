#include "HttpGet.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace tessarin::update {
namespace {

using Clock = std::chrono::steady_clock;

struct Address {
    std::string host;
    std::string port = "80";
    std::string path = "/";
};

std::optional<Address> parseUrl(const std::string& url) {
    const std::string scheme = "http://";
    if (url.compare(0, scheme.size(), scheme) != 0)
        return std::nullopt;
    Address address;
    const std::string rest = url.substr(scheme.size());
    const auto slash = rest.find('/');
    std::string authority = rest.substr(0, slash);
    if (slash != std::string::npos)
        address.path = rest.substr(slash);
    if (const auto colon = authority.rfind(':'); colon != std::string::npos) {
        address.port = authority.substr(colon + 1);
        authority.resize(colon);
    }
    address.host = authority;
    if (address.host.empty() || address.port.empty())
        return std::nullopt;
    return address;
}

class Socket {
public:
    explicit Socket(int fd) : fd_(fd) {}
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    ~Socket() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int fd() const { return fd_; }

private:
    int fd_;
};

int remainingMs(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

bool waitFor(int fd, short events, Clock::time_point deadline) {
    pollfd entry{fd, events, 0};
    int ready;
    do {
        ready = ::poll(&entry, 1, remainingMs(deadline));
    } while (ready < 0 && errno == EINTR);
    return ready > 0;
}

// Connects without blocking past the deadline; -1 on failure.
int connectTo(const addrinfo& candidate, Clock::time_point deadline) {
    const int fd = ::socket(candidate.ai_family, candidate.ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC,
                            candidate.ai_protocol);
    if (fd < 0)
        return -1;
    if (::connect(fd, candidate.ai_addr, candidate.ai_addrlen) == 0)
        return fd;
    int error = 0;
    socklen_t length = sizeof error;
    if (errno == EINPROGRESS && waitFor(fd, POLLOUT, deadline) &&
        ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0)
        return fd;
    ::close(fd);
    return -1;
}

int openConnection(const Address& address, Clock::time_point deadline) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(address.host.c_str(), address.port.c_str(), &hints, &found) != 0)
        return -1;
    int fd = -1;
    for (addrinfo* candidate = found; candidate && fd < 0; candidate = candidate->ai_next)
        fd = connectTo(*candidate, deadline);
    ::freeaddrinfo(found);
    return fd;
}

bool sendAll(int fd, const std::string& data, Clock::time_point deadline) {
    std::size_t sent = 0;
    while (sent < data.size()) {
        if (!waitFor(fd, POLLOUT, deadline))
            return false;
        const ssize_t n = ::send(fd, data.data() + sent, data.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        if (n > 0)
            sent += static_cast<std::size_t>(n);
    }
    return true;
}

std::optional<std::string> receiveAll(int fd, Clock::time_point deadline) {
    constexpr std::size_t limit = 1 << 20;
    std::string data;
    char buffer[4096];
    for (;;) {
        if (!waitFor(fd, POLLIN, deadline))
            return std::nullopt;
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n == 0)
            return data;
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return std::nullopt;
        if (n > 0)
            data.append(buffer, static_cast<std::size_t>(n));
        if (data.size() > limit)
            return std::nullopt;
    }
}

std::optional<std::string> bodyOfOkAnswer(const std::string& answer) {
    const auto headerEnd = answer.find("\r\n\r\n");
    const auto lineEnd = answer.find("\r\n");
    if (headerEnd == std::string::npos || lineEnd == std::string::npos)
        return std::nullopt;
    const std::string statusLine = answer.substr(0, lineEnd);
    const auto blank = statusLine.find(' ');
    if (blank == std::string::npos || statusLine.compare(blank + 1, 3, "200") != 0)
        return std::nullopt;
    return answer.substr(headerEnd + 4);
}

} // namespace

std::optional<std::string> httpGet(const std::string& url, std::chrono::milliseconds timeout) {
    const auto address = parseUrl(url);
    if (!address)
        return std::nullopt;
    const auto deadline = Clock::now() + timeout;
    Socket socket(openConnection(*address, deadline));
    if (socket.fd() < 0)
        return std::nullopt;
    const std::string request = "GET " + address->path + " HTTP/1.0\r\nHost: " + address->host +
                                "\r\nUser-Agent: Tessarin\r\nConnection: close\r\n\r\n";
    if (!sendAll(socket.fd(), request, deadline))
        return std::nullopt;
    const auto answer = receiveAll(socket.fd(), deadline);
    return answer ? bodyOfOkAnswer(*answer) : std::nullopt;
}

} // namespace tessarin::update
