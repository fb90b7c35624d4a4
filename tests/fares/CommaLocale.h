#pragma once

#include <clocale>
#include <string>

namespace tessarin::fares::testing {

// A locale that writes decimals with a comma, as a German or Russian user's
// does. scripts/install-deps.sh generates it.
inline constexpr const char* commaLocaleName = "de_DE.UTF-8";

// Whether the system has the comma locale.
inline bool commaLocaleAvailable() {
    const locale_t locale = newlocale(LC_ALL_MASK, commaLocaleName, nullptr);
    if (locale)
        freelocale(locale);
    return locale != nullptr;
}

// While it lives, the process runs in the comma locale; the locale before
// comes back after.
class CommaLocale {
public:
    CommaLocale() : previous_(std::setlocale(LC_ALL, nullptr)) { std::setlocale(LC_ALL, commaLocaleName); }
    ~CommaLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;

private:
    std::string previous_;
};

} // namespace tessarin::fares::testing
