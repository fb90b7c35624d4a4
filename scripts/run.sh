#!/usr/bin/env bash
# Builds Tessarin with its bundled timetable and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh build
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSARIN_BUILD_TESTS=OFF >/dev/null
cmake --build build --target tessarin tessarin-cli
exec build/bin/tessarin "$@"
