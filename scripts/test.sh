#!/usr/bin/env bash
# Builds Tessarin and runs every test (offscreen: no display needed).
# TESSARIN_WERROR=ON makes every compiler warning an error (as CI builds).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
cmake -S . -B build-tests -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSARIN_BUILD_TESTS=ON \
  -DTESSARIN_WERROR="${TESSARIN_WERROR:-OFF}" >/dev/null
cmake --build build-tests
ctest --test-dir build-tests --output-on-failure --timeout 600 -j "$(nproc)"
