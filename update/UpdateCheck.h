#pragma once

#include <optional>
#include <string>

namespace tessarin::update {

// What the user is told about a newer version.
struct UpdateNotice {
    std::string version;
    std::string title;
    std::string body;
};

// Compares dotted version texts number by number ("1.10" is after "1.9");
// a missing part counts as 0. Negative, zero or positive like strcmp.
int compareVersions(const std::string& a, const std::string& b);

// Reads an update file: lines "key=value", of which "version" names the
// newest version and the optional "url" where to get it; blank lines and
// lines starting with "#" are ignored. A notice when that version is newer
// than `installedVersion`, nullopt otherwise or when the file names none.
std::optional<UpdateNotice> parseUpdateFile(const std::string& text, const std::string& installedVersion);

// Fetches the update file at `url` (bounded waits) and compares it with this
// build's version.
std::optional<UpdateNotice> checkForUpdate(const std::string& url);

} // namespace tessarin::update
