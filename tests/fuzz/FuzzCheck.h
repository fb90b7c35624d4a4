#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// The entry point every harness defines: libFuzzer calls it with each input
// it makes, the corpus replay with each file of a corpus folder.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace tessarin::fuzz {

[[noreturn]] inline void checkFailed(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
    std::abort();
}

} // namespace tessarin::fuzz

// A property of the code under test that a harness checks. It holds in every
// build type (NDEBUG does not remove it); when it fails the run aborts, so
// libFuzzer keeps the input and the corpus replay fails.
#define FUZZ_CHECK(condition) \
    ((condition) ? static_cast<void>(0) : ::tessarin::fuzz::checkFailed(#condition, __FILE__, __LINE__))
