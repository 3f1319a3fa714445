#!/usr/bin/env bash
# Peak memory of a whole run: `vectrim-cli run` on a generated polygonised
# drawing (bench/polygonised.h written as DXF by polygonised_dxf), from its
# start until its output is written, measured with GNU time
# (/usr/bin/time -v, "Maximum resident set size"). Prints the largest
# resident size of 5 runs in MB and the median wall time; with --reference
# the literal stages run instead.
#
# usage: bench/peak_memory.sh PROGRAM_FOLDER [LINES ...] [--reference]
#   PROGRAM_FOLDER  the bin folder of a Release build with -DVECTRIM_BENCH=ON
#                   (it holds vectrim-cli and polygonised_dxf)
#   LINES           drawing sizes in lines; 80000 when none given
# Needs GNU time (Debian package time); ends with code 77 without it.
set -euo pipefail

if [ $# -lt 1 ]; then
  echo "usage: $0 PROGRAM_FOLDER [LINES ...] [--reference]" >&2
  exit 2
fi
bin="$(cd "$1" && pwd)"
shift
sizes=()
set_args=()
for a in "$@"; do
  if [ "$a" = --reference ]; then set_args=(--reference); else sizes+=("$a"); fi
done
[ ${#sizes[@]} -gt 0 ] || sizes=(80000)
runs=5

for tool in "$bin/vectrim-cli" "$bin/polygonised_dxf"; do
  [ -x "$tool" ] || { echo "$tool is missing: build with -DVECTRIM_BENCH=ON" >&2; exit 2; }
done
[ -x /usr/bin/time ] || { echo "GNU time is not installed (apt-get install time)" >&2; exit 77; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

printf '%-8s %12s %12s\n' lines max_rss_mb median_s
for n in "${sizes[@]}"; do
  dxf="$work/polygonised_$n.dxf"
  "$bin/polygonised_dxf" "$n" "$dxf" >/dev/null
  rss=()
  secs=()
  for _ in $(seq $runs); do
    rm -f "$work/out.json"
    if ! /usr/bin/time -v -o "$work/time.txt" "$bin/vectrim-cli" "${set_args[@]}" run "$dxf" \
      -o "$work/out.json" >"$work/last.log" 2>&1; then
      echo "failed: vectrim-cli run $dxf" >&2
      tail -5 "$work/last.log" >&2
      exit 1
    fi
    [ -s "$work/out.json" ] || { echo "vectrim-cli wrote no result for $dxf" >&2; exit 1; }
    rss+=("$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/time.txt")")
    secs+=("$(awk -F': ' '/Elapsed \(wall clock\)/ { n = split($2, p, ":"); s = 0;
              for (i = 1; i <= n; ++i) s = s * 60 + p[i]; print s }' "$work/time.txt")")
  done
  max_kb=$(printf '%s\n' "${rss[@]}" | sort -g | tail -1)
  median_s=$(printf '%s\n' "${secs[@]}" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
  printf '%-8s %12.1f %12s\n' "$n" "$(awk -v k="$max_kb" 'BEGIN { print k / 1024 }')" "$median_s"
done
