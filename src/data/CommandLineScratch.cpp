#include "CommandLineScratch.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace tessarin::data {
namespace {

// A base folder from its variable, else from the home folder; a relative
// setting counts as unset, as the desktop's base-folder rules say.
std::optional<std::filesystem::path> baseFolder(const EnvironmentLookup& environment, const char* variable,
                                                const char* besideHome) {
    const char* set = environment(variable);
    if (set && std::filesystem::path(set).is_absolute())
        return std::filesystem::path(set);
    const char* home = environment("HOME");
    if (home && std::filesystem::path(home).is_absolute())
        return std::filesystem::path(home) / besideHome;
    return std::nullopt;
}

// Makes every missing folder of the path, each open to the user alone.
bool makeFolders(const std::filesystem::path& folder) {
    std::filesystem::path made;
    for (const std::filesystem::path& part : folder) {
        made /= part;
        if (::mkdir(made.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    std::error_code ignored;
    return std::filesystem::is_directory(folder, ignored);
}

// FNV-1a: stable across builds and runs, unlike std::hash.
std::uint64_t pathHash(const std::string& text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return hash;
}

std::string scratchFileName(const std::filesystem::path& timetable) {
    std::error_code ignored;
    std::filesystem::path canonical = std::filesystem::weakly_canonical(timetable, ignored);
    if (canonical.empty())
        canonical = std::filesystem::absolute(timetable, ignored);
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(pathHash(canonical.string())));
    return std::string("results-") + hex + ".sqlite";
}

} // namespace

std::optional<std::filesystem::path> commandLineScratchFile(const std::filesystem::path& timetable,
                                                            const EnvironmentLookup& environment) {
    const std::vector<std::optional<std::filesystem::path>> bases{
        baseFolder(environment, "XDG_STATE_HOME", ".local/state"),
        baseFolder(environment, "XDG_CACHE_HOME", ".cache"),
    };
    for (const std::optional<std::filesystem::path>& base : bases) {
        if (base && makeFolders(*base / "tessarin"))
            return *base / "tessarin" / scratchFileName(timetable);
    }
    return std::nullopt;
}

std::optional<std::filesystem::path> commandLineScratchFile(const std::filesystem::path& timetable) {
    return commandLineScratchFile(timetable, [](const char* name) { return std::getenv(name); });
}

} // namespace tessarin::data
