#!/usr/bin/env bash
# The main job on a built program folder: a smoke run of the program folder,
# then the main window with a demo drawing, opened through the real import
# cycle (par.dat written as "DXF öffnen" writes it, then "load 1", which
# starts "vectrim 1"). Without a display the window is rendered headless and
# saved as a PNG whose path is printed, and the batch run cleans the demo
# drawing, writing the cleaned DXF, its JSON, the analysis and a printed A4
# page (PDF) beside the build.
#
# usage: scripts/main-job.sh <program folder> [drawing.dxf]
set -euo pipefail
bin="$(cd "$1" && pwd)"
drawing="$(realpath "${2:-$bin/flower.dxf}")"

"$bin/vectrim-cli" selftest

# par.dat: the DXF path, the curve quality, the display name (last 30 characters).
display="$drawing"
if [ "${#display}" -gt 30 ]; then display="${display: -30}"; fi
printf '%s\r\n 30\r\n%s\r\n' "$drawing" "$display" > "$bin/par.dat"

if [ ! -x "$bin/load" ]; then
  echo "The import program $bin/load is missing: the window starts without a drawing."
  start=("$bin/vectrim")
else
  start=("$bin/load" 1)
fi

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "Opening $drawing in the main window."
  "${start[@]}" &
  exit 0
fi

echo "No display: rendering the main window headless instead."
shot="$(dirname "$bin")/vectrim-window.png"
rm -f "$shot" "$shot.txt"
export QT_QPA_PLATFORM=offscreen VECTRIM_NONINTERACTIVE=1 VECTRIM_SNAPSHOT="$shot"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
"${start[@]}"
# load ends once it has started the main program; wait for its picture.
for _ in $(seq 1 240); do
  [ -s "$shot.txt" ] && [ -s "$shot" ] && break
  sleep 0.5
done
if [ ! -s "$shot.txt" ]; then
  echo "The main window did not report back." >&2
  exit 1
fi
grep -E '^(caption|wert1|wert2|Text2|Text3)=' "$shot.txt" | sed 's/^/  /'
echo "Screenshot of the main window: $shot"

echo "Batch run on $drawing:"
out="$(dirname "$bin")/vectrim-result"
"$bin/vectrim-cli" run "$drawing" --answer J -o "$out.dxf"
"$bin/vectrim-cli" run "$drawing" --answer J -o "$out.json"
"$bin/vectrim-cli" analyse "$out.dxf" > "$out-analyse.json"
"$bin/vectrim-cli" print "$out.dxf" --pdf "$out.pdf" --scale fit | sed 's/^/  printed at scale factor /'
echo "  cleaned drawing: $out.dxf ($out.json)"
echo "  analysis:        $out-analyse.json"
echo "  printed page:    $out.pdf"
