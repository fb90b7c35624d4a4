#!/usr/bin/env bash
# Builds Tessarin and runs every test (offscreen: no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
cmake -S . -B build-tests -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSARIN_BUILD_TESTS=ON >/dev/null
cmake --build build-tests
ctest --test-dir build-tests --output-on-failure --timeout 600 -j "$(nproc)"
