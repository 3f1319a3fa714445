#!/usr/bin/env bash
# Times Debian's dxf2gcode, another CAM program (its import and contour
# building, without a window: `dxf2gcode FILE -q`), and our batch run
# (`vectrim-cli run FILE -o OUT.json`, default tolerances 0.3 / 0.2 / 0.2)
# on the same generated polygonised drawings (bench/polygonised.h written as
# DXF by polygonised_dxf), and prints the median of 5 runs of each and how
# many times faster ours is.
#
# usage: bench/compare_dxf2gcode.sh PROGRAM_FOLDER [LINES ...]
#   PROGRAM_FOLDER  the bin folder of a Release build with -DVECTRIM_BENCH=ON
#                   (it holds vectrim-cli and polygonised_dxf)
#   LINES           drawing sizes in lines; 5000 and 20000 when none given
# dxf2gcode comes from Debian (apt-get install dxf2gcode); the script ends
# with code 77 when it is missing. It runs with a home folder of its own, so
# that it starts from its default settings and leaves the user's alone.
set -euo pipefail

if [ $# -lt 1 ]; then
  echo "usage: $0 PROGRAM_FOLDER [LINES ...]" >&2
  exit 2
fi
bin="$(cd "$1" && pwd)"
shift
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(5000 20000)
runs=5

for tool in "$bin/vectrim-cli" "$bin/polygonised_dxf"; do
  [ -x "$tool" ] || { echo "$tool is missing: build with -DVECTRIM_BENCH=ON" >&2; exit 2; }
done
if ! command -v dxf2gcode >/dev/null; then
  echo "dxf2gcode is not installed (apt-get install dxf2gcode)" >&2
  exit 77
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"

# Seconds of wall time of one command; its output goes to $work/last.log.
# A command that fails ends the script.
seconds() {
  local start end
  start=$(date +%s%N)
  if ! "$@" >"$work/last.log" 2>&1; then
    echo "failed: $*" >&2
    tail -5 "$work/last.log" >&2
    return 1
  fi
  end=$(date +%s%N)
  awk -v ns=$((end - start)) 'BEGIN { printf "%.3f\n", ns / 1e9 }'
}

# The median of the numbers on standard input.
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

dxf2gcode_once() {
  HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen dxf2gcode "$1" -q
}

printf '%-8s %14s %14s %8s\n' lines dxf2gcode_s vectrim_s ratio
for n in "${sizes[@]}"; do
  dxf="$work/polygonised_$n.dxf"
  "$bin/polygonised_dxf" "$n" "$dxf" >/dev/null

  theirs=$(for _ in $(seq $runs); do seconds dxf2gcode_once "$dxf" || exit 1; done | median)
  # It ends with code 0 even when the file could not be read: make sure it
  # read every entity.
  if ! grep -q "Loaded $n entity geometries" "$work/last.log"; then
    echo "dxf2gcode did not read $dxf:" >&2
    tail -5 "$work/last.log" >&2
    exit 1
  fi
  contours=$(grep -o -m1 "reduced to [0-9]* contours" "$work/last.log" || true)

  rm -f "$work/out.json"
  ours=$(for _ in $(seq $runs); do
    seconds "$bin/vectrim-cli" run "$dxf" -o "$work/out.json" || exit 1
  done | median)
  [ -s "$work/out.json" ] || { echo "vectrim-cli wrote no result for $dxf" >&2; exit 1; }

  ratio=$(awk -v a="$theirs" -v b="$ours" 'BEGIN { if (b > 0) printf "%.1f", a / b; else print "-" }')
  printf '%-8s %14s %14s %8s   (dxf2gcode: %s)\n' "$n" "$theirs" "$ours" "$ratio" "$contours"
done
