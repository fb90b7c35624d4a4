// The main of a harness in the normal build: feeds every file of the folders
// (or the single files) named on the command line to the harness, in
// file-name order, so that a committed corpus runs as a regression test.
// Exits 1 when a folder holds no file or a file cannot be read; a harness
// check that fails aborts the run.

#include "FuzzCheck.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

namespace {

std::vector<std::filesystem::path> inputsNamedBy(const std::filesystem::path& argument) {
    if (!std::filesystem::is_directory(argument))
        return {argument};
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(argument)) {
        if (entry.is_regular_file())
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: " << argv[0] << " CORPUS_FOLDER_OR_FILE...\n";
        return 1;
    }
    for (int i = 1; i < argc; ++i) {
        const std::vector<std::filesystem::path> files = inputsNamedBy(argv[i]);
        if (files.empty()) {
            std::cerr << argv[i] << ": no input files\n";
            return 1;
        }
        for (const auto& file : files) {
            std::ifstream in(file, std::ios::binary);
            if (!in) {
                std::cerr << file.string() << ": cannot be read\n";
                return 1;
            }
            const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
            LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
        }
        std::cout << argv[i] << ": " << files.size() << " inputs\n";
    }
    return 0;
}
