#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test; then builds the core alone
# (-DVECTRIM_GUI=OFF, no Qt at all) and runs its tests, so that the core stays
# free of the window system.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -G Ninja -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DVECTRIM_SANITIZE=ON
cmake --build build-asan
(cd build-asan && ctest --output-on-failure -j2)
cmake -G Ninja -S . -B build-core -DCMAKE_BUILD_TYPE=Debug -DVECTRIM_GUI=OFF
cmake --build build-core
(cd build-core && ctest --output-on-failure -j2)
