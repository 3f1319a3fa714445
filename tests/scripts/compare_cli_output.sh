#!/usr/bin/env bash
# Runs the same vectrim-cli commands with two program folders and compares
# their outputs byte for byte: a refactoring must not change a single number.
#
#   tests/scripts/compare_cli_output.sh OLD_BIN NEW_BIN [CORPUS_DIR]
#
# OLD_BIN and NEW_BIN are program folders (build/bin) holding vectrim-cli and
# the demo drawings; CORPUS_DIR defaults to ../shared/corpus beside the
# checkout. A folder given as OLD_BIN that holds no vectrim-cli but earlier
# outputs (from --save) is compared as it is.
#
#   tests/scripts/compare_cli_output.sh --save OUT_DIR BIN [CORPUS_DIR]
#
# writes the outputs of BIN into OUT_DIR, to compare against later.
#
#   tests/scripts/compare_cli_output.sh --reference OLD_BIN NEW_BIN [CORPUS_DIR]
#
# runs NEW_BIN's vectrim-cli with --reference (the literal stages, checks and
# contour building): they must give the same outputs as the fast ones.
set -euo pipefail
# the outputs are compared in the German of vectrim-cli, whatever the machine speaks
export LANG=C.UTF-8
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)

drawings() {
  local bin=$1 corpus=$2
  # the demo drawings in millimetres (their inch twins and the results of a
  # run add nothing a refactoring could change differently)
  for name in flower dragon deer ornament cloverleaf curve1 double text woman youngwoman horse; do
    [ -e "$bin/$name.dxf" ] && echo "$bin/$name.dxf"
  done
  for f in LibreCAD/t-part.dxf dxf2gcode-plasma/DEMO.DXF involute-gear-collection/teeth-24.dxf \
           bjnortier-dxf/arrayed-holes.dxf qcad/example00.dxf; do
    [ -e "$corpus/$f" ] && echo "$corpus/$f"
  done
  return 0
}

# Every command of the batch front end that writes JSON or a file.
outputs() {
  local bin=$1 corpus=$2 out=$3
  local cli=$bin/vectrim-cli
  local flags=${4:-}
  mkdir -p "$out"
  local stages=(splitatjunctions removeduplicates arcstolines convertlines reducelines
    deletesmallelements closegaps smootharcline smootharcarc roundlinecorners roundarcline
    roundarcarc deletetinyelements buildcontours joinarcs joinlines)
  while IFS= read -r dxf; do
    local name
    name=$(basename "$dxf" | tr ' ' '_')
    local o=$out/$name
    mkdir -p "$o"
    # shellcheck disable=SC2086 # the flags are one word or none
    run() { local tag=$1; shift; "$cli" $flags "$@" >"$o/$tag.out" 2>"$o/$tag.err" || echo "exit $?" >>"$o/$tag.err"; }
    run import import "$dxf" -o "$o/import.dat"
    run run run "$dxf"
    run run-all run "$dxf" --reduce 0.1 --gaps 0.5 --smooth 0.5 --round-line-line
    run run-off run "$dxf" --reduce 0 --gaps 0 --smooth 0
    for s in "${stages[@]}"; do run "stage-$s" stage "$s" "$dxf" --tol 0.3; done
    for c in endpoints directions open junctions small; do run "check-$c" check "$c" "$dxf"; done
    run analyse analyse "$dxf"
    run scale scale "$dxf" --width 100 --height 50 --quality mittel
    run inch inch "$dxf"
    run export export "$dxf" -o "$o/export.dxf"
    run export-poly export "$dxf" -o "$o/export-poly.dxf" --polylines
  done < <(drawings "$bin" "$corpus")
}

export VECTRIM_NONINTERACTIVE=1
if [ "${1:-}" = --save ]; then
  outputs "$3" "${4:-$root/../shared/corpus}" "$2"
  exit 0
fi
newflags=
if [ "${1:-}" = --reference ]; then
  newflags=--reference
  shift
fi
old=$1 new=$2 corpus=${3:-$root/../shared/corpus}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [ -x "$old/vectrim-cli" ]; then outputs "$old" "$corpus" "$work/old"; else cp -r "$old" "$work/old"; fi
outputs "$new" "$corpus" "$work/new" "$newflags"
if diff -r "$work/old" "$work/new" >"$work/diff"; then
  echo "identical: $(find "$work/new" -type f | wc -l) outputs"
else
  head -n 60 "$work/diff"
  echo "outputs differ"
  exit 1
fi
