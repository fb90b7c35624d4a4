#include "TestEnvironment.h"

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <utility>

namespace tessarin::testing {
namespace {

// Settings of a desktop session that change how widgets are laid out or drawn.
constexpr const char* desktopSettings[] = {
    "QT_SCALE_FACTOR",
    "QT_SCREEN_SCALE_FACTORS",
    "QT_AUTO_SCREEN_SCALE_FACTOR",
    "QT_ENABLE_HIGHDPI_SCALING",
    "QT_SCALE_FACTOR_ROUNDING_POLICY",
    "QT_FONT_DPI",
    "QT_STYLE_OVERRIDE",
    "QT_QPA_PLATFORMTHEME",
    "QT_QPA_GENERIC_PLUGINS",
    "LANGUAGE",
};

std::filesystem::path& runtimeFolder() {
    static std::filesystem::path folder;
    return folder;
}

void removeRuntimeFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(runtimeFolder(), ignored);
}

// A fresh folder only this process may enter, as a session's runtime folder is.
void makeRuntimeFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tessarin-runtime-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        std::cerr << "cannot make a runtime folder in " << std::filesystem::temp_directory_path() << '\n';
        std::exit(1);
    }
    runtimeFolder() = pattern;
    std::atexit(removeRuntimeFolder);
    setenv("XDG_RUNTIME_DIR", pattern.c_str(), 1);
}

// The command line keeps its results under the user's state or cache folder;
// a test program's runs keep theirs inside its runtime folder, so that they
// never meet the user's or another test program's.
void pinStateFolders() {
    for (const auto& [variable, folder] : {std::pair{"XDG_STATE_HOME", "state"}, std::pair{"XDG_CACHE_HOME", "cache"}})
        setenv(variable, (runtimeFolder() / folder).c_str(), 1);
}

} // namespace

void pinTestEnvironment() {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    for (const char* name : desktopSettings)
        unsetenv(name);
    setenv("LC_ALL", "C.UTF-8", 1);
    setenv("LANG", "C.UTF-8", 1);
    std::setlocale(LC_ALL, "");
    makeRuntimeFolder();
    pinStateFolders();
}

} // namespace tessarin::testing
