#include "SpawnArguments.h"

#include <algorithm>

extern char** environ;

namespace tessarin::testing {

std::vector<char*> spawnWords(std::vector<std::string>& words) {
    std::vector<char*> pointers;
    for (std::string& word : words)
        pointers.push_back(word.data());
    pointers.push_back(nullptr);
    return pointers;
}

std::vector<std::string> environmentWith(const std::vector<std::string>& entries) {
    const auto replaced = [&entries](const std::string& variable) {
        const std::string name = variable.substr(0, variable.find('=') + 1);
        return std::any_of(entries.begin(), entries.end(),
                           [&name](const std::string& entry) { return entry.starts_with(name); });
    };
    std::vector<std::string> result;
    for (char** variable = environ; *variable; ++variable) {
        if (!replaced(*variable))
            result.emplace_back(*variable);
    }
    result.insert(result.end(), entries.begin(), entries.end());
    return result;
}

} // namespace tessarin::testing
