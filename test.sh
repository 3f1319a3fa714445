#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -G Ninja -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DVECTRIM_SANITIZE=ON
cmake --build build-asan
cd build-asan
ctest --output-on-failure -j2
