#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the main job need,
# skipping those already present.
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev            # the windows, printing (Qt Print Support), Qt Test
  qt6-translations-l10n             # Qt's standard dialogs in the program's language
  qt6-l10n-tools                    # lupdate, lrelease: our English translation (translations/*.ts)
  libgtest-dev libbenchmark-dev     # core tests, benchmarks
  xvfb xauth                        # a display for the window on headless machines
  poppler-utils                     # pdftoppm: checks of printed pages
  python3 python3-ezdxf             # an independent DXF reader/writer for the tests
  fonts-dejavu-core fonts-liberation # fonts for lettering, the manual and printing
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
