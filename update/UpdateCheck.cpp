#include "UpdateCheck.h"

#include "HttpGet.h"

#include <sstream>
#include <vector>

namespace tessarin::update {
namespace {

constexpr std::chrono::seconds fetchTimeout{10};

std::vector<long> versionParts(const std::string& version) {
    std::vector<long> parts;
    std::stringstream stream(version);
    std::string part;
    while (std::getline(stream, part, '.')) {
        try {
            parts.push_back(std::stol(part));
        } catch (const std::exception&) {
            parts.push_back(0);
        }
    }
    return parts;
}

std::string trimmed(std::string text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

} // namespace

int compareVersions(const std::string& a, const std::string& b) {
    const auto x = versionParts(a);
    const auto y = versionParts(b);
    for (std::size_t i = 0; i < std::max(x.size(), y.size()); ++i) {
        const long p = i < x.size() ? x[i] : 0;
        const long q = i < y.size() ? y[i] : 0;
        if (p != q)
            return p < q ? -1 : 1;
    }
    return 0;
}

std::optional<UpdateNotice> parseUpdateFile(const std::string& text, const std::string& installedVersion) {
    std::string version;
    std::string url;
    std::stringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        line = trimmed(line);
        const auto equals = line.find('=');
        if (line.empty() || line[0] == '#' || equals == std::string::npos)
            continue;
        const std::string key = trimmed(line.substr(0, equals));
        const std::string value = trimmed(line.substr(equals + 1));
        if (key == "version")
            version = value;
        else if (key == "url")
            url = value;
    }
    if (version.empty() || compareVersions(version, installedVersion) <= 0)
        return std::nullopt;
    std::string body = "列车时刻表 " + version + " 已经发布（当前版本 " + installedVersion + "）。";
    if (!url.empty())
        body += "\n下载：" + url;
    return UpdateNotice{version, "列车时刻表有新版本", body};
}

std::optional<UpdateNotice> checkForUpdate(const std::string& url) {
    const auto file = httpGet(url, fetchTimeout);
    return file ? parseUpdateFile(*file, TESSARIN_VERSION) : std::nullopt;
}

} // namespace tessarin::update
