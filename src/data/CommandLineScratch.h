#pragma once

#include <filesystem>
#include <functional>
#include <optional>

namespace tessarin::data {

// Reads an environment variable; null when it is not set.
using EnvironmentLookup = std::function<const char*(const char*)>;

// The command line's scratch file for a timetable file: one per user and per
// timetable (named after the timetable's canonical path), so that results
// last between calls and two timetables never share them. It lies in
// "tessarin" under the user's state folder ($XDG_STATE_HOME, else
// ~/.local/state), or, where that cannot be made, under the cache folder
// ($XDG_CACHE_HOME, else ~/.cache). Missing folders are made on first use,
// open to the user alone. Nothing when no folder can be made.
std::optional<std::filesystem::path> commandLineScratchFile(const std::filesystem::path& timetable,
                                                            const EnvironmentLookup& environment);

// The same, from the process's own environment.
std::optional<std::filesystem::path> commandLineScratchFile(const std::filesystem::path& timetable);

} // namespace tessarin::data
