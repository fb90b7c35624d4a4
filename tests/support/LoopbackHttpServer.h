#pragma once

#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <thread>

namespace tessarin::testing {

// An HTTP server on a free loopback port, serving on a thread of its own
// until it is destroyed. It reads each request to the end of its headers and
// counts it by path, so a request that arrives in pieces is still one
// request. Then it either sends its answer and closes the connection, or,
// when silent, says nothing and holds the connection until the client hangs
// up (or the server goes).
class LoopbackHttpServer {
public:
    // A server that sends `answer` (status line, headers and body) to every request.
    explicit LoopbackHttpServer(std::string answer);
    // A server that answers nothing.
    struct Silent {};
    explicit LoopbackHttpServer(Silent);
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    // "127.0.0.1:PORT/path", and the same with "http://" before it.
    std::string address(const std::string& path) const;
    std::string url(const std::string& path) const { return "http://" + address(path); }

    // The requests for a path so far.
    int requests(const std::string& path) const;
    // Waits until `count` requests for the path have arrived; false when they
    // have not after a patience far beyond any loaded machine's delay.
    bool waitForRequests(const std::string& path, int count) const;
    // Whether the client of the request being held is still connected (a
    // silent server's connection that the client has not given up).
    bool clientWaiting() const;

private:
    LoopbackHttpServer(std::string answer, bool silent);
    void serve();
    void handle(int client);
    void holdUntilHungUp(int client);

    std::string answer_;
    bool silent_;
    int listener_ = -1;
    int port_ = 0;
    mutable std::mutex mutex_;
    mutable std::condition_variable requestArrived_;
    std::map<std::string, int> requests_;
    int client_ = -1;
    bool clientWaiting_ = false;
    bool stopping_ = false;
    std::thread thread_;
};

// "HTTP/1.1 200 OK" with the content type, the body's length and
// "Connection: close", then the body.
std::string okAnswer(const std::string& contentType, const std::string& body);

// A loopback port that refuses every connection: bound, so that no other
// program can take it while the object lives, but not listening.
class RefusingPort {
public:
    RefusingPort();
    ~RefusingPort();
    RefusingPort(const RefusingPort&) = delete;
    RefusingPort& operator=(const RefusingPort&) = delete;

    int port() const { return port_; }

private:
    int socket_ = -1;
    int port_ = 0;
};

} // namespace tessarin::testing
