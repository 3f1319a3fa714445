#!/usr/bin/env bash
# The main job on a built program folder: a smoke run of the geometry library
# and the hand-over files until the windows exist.
set -euo pipefail
bin="$1"
exec "$bin/vectrim-cli" selftest
