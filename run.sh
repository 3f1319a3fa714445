#!/usr/bin/env bash
# Installs what is missing, builds the release, and runs the main job.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -G Ninja -S . -B build -DCMAKE_BUILD_TYPE=Release -DVECTRIM_TESTS=OFF
cmake --build build
exec scripts/main-job.sh build/bin
