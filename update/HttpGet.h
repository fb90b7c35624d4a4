#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace tessarin::update {

// Fetches an "http://host[:port]/path" address with a plain HTTP/1.0 GET and
// returns the body of a 200 answer; nullopt for any failure (bad address,
// no network, timeout, another status). Every wait is bounded by `timeout`.
std::optional<std::string> httpGet(const std::string& url, std::chrono::milliseconds timeout);

} // namespace tessarin::update
