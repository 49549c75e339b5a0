#!/usr/bin/env bash
# Makes the seed corpora of the fuzz targets: pictures drawn by the renderer
# across its settings, followed by the bytes each target reads from the end
# of its input (the play rectangle, the conversion sizes), plus the
# regression inputs of tests/data/fuzz-regressions.
# Usage: fuzz/make-seeds.sh RENDERER OUTDIR
set -euo pipefail
renderer=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)
regressions=$here/../tests/data/fuzz-regressions
mkdir -p "$out/emf_player" "$out/wmf_converter" "$out/make_and_write" "$out/pictures"
export QT_QPA_PLATFORM=offscreen

i=0
while read -r settings; do
  i=$((i + 1))
  # shellcheck disable=SC2086 # the settings are several words on purpose
  "$renderer" --quiet --screen 800x600:280x210 $settings -o "$out/pictures/seed-$i.emf"
done <<'LIST'
--year 1998 --month 3
--year 2026 --month 12 --pattern 2 --title-pos left --bold
--year 2027 --month 2 --pattern 3 --title-pos right --italic --underline --strikeout
--year 2031 --month 4 --font-height 40 --cell-width 100 --cell-height 100 --title-size 100
--year 1900 --month 1 --font-height 1 --cell-width 2 --cell-height 1 --font Serif
--year 2500 --month 12 --day-color #336699 --line-color navy --weekday-color green
LIST

for emf in "$out"/pictures/*.emf "$regressions"/*.emf; do
  name=$(basename "$emf")
  # The play rectangle: 800 x 600 and 2000 x 30 pixels.
  { cat "$emf"; printf '\x00\x03\x20\x00\x02\x58'; } >"$out/emf_player/$name"
  { cat "$emf"; printf '\x00\x07\xd0\x00\x00\x1e'; } >"$out/emf_player/stretched-$name"
  # The conversion sizes, in range: the bytes are taken from the end.
  { cat "$emf"; head -c 40 /dev/zero | tr '\0' '\001'; printf '\x00'; } >"$out/wmf_converter/$name"
done

# The make target reads settings, not pictures: a few fixed byte patterns.
head -c 0 /dev/zero >"$out/make_and_write/empty"
head -c 200 /dev/zero >"$out/make_and_write/zeros"
head -c 200 /dev/zero | tr '\0' '\001' >"$out/make_and_write/ones"
head -c 200 /dev/zero | tr '\0' '\377' >"$out/make_and_write/all-set"
