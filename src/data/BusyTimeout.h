#pragma once

namespace tessarin::data {

// How long a statement waits for a file another process holds locked before
// it reports the file in use.
inline constexpr int busyTimeoutMs = 5000;

} // namespace tessarin::data
