#pragma once

#include <string>
#include <string_view>

namespace tessarin::data {

// Text comparison that ignores the case of the Latin letters A-Z and compares
// every other byte as it is, as the timetable's SQL compares text.
inline char foldLatin(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

inline int compareIgnoringLatinCase(std::string_view a, std::string_view b) {
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(foldLatin(a[i]));
        const auto y = static_cast<unsigned char>(foldLatin(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

inline bool equalsIgnoringLatinCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && compareIgnoringLatinCase(a, b) == 0;
}

inline std::string upperLatin(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = foldLatin(c);
    return result;
}

} // namespace tessarin::data
