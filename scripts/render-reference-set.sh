#!/usr/bin/env bash
# Renders a fixed table of settings in every format with the given
# pluvane-render into OUTDIR, so two builds can be compared byte for byte:
#   scripts/render-reference-set.sh OLD/pluvane-render old
#   scripts/render-reference-set.sh NEW/pluvane-render new
#   diff -r old new
set -euo pipefail
if [ $# -ne 2 ]; then
  echo "usage: $0 PLUVANE_RENDER OUTDIR" >&2
  exit 2
fi
render=$(realpath "$1")
out=$2
mkdir -p "$out"
cd "$out"
export QT_QPA_PLATFORM=offscreen
unset DISPLAY WAYLAND_DISPLAY

# name | options
cases=(
  "worked-example|--year 1998 --month 3"
  "colours|--year 2027 --month 2 --pattern 2 --title-pos right --line-color navy --day-color '#336699' --title-color red --weekday-color green"
  "largest|--year 2024 --month 2 --pattern 3 --title-pos left --font-height 100 --bold --italic --cell-width 100 --cell-height 100 --title-size 100"
  "smallest|--year 2500 --month 12 --font-height 1 --cell-width 2 --cell-height 1 --title-size 20 --underline --strikeout"
  "serif|--year 1900 --month 1 --font 'DejaVu Serif' --font-height 16 --screen 1920x1080:508x286"
  "wide-box|--year 2031 --month 8 --font-height 300 --cell-width 100 --title-size 100 --pattern 2"
)
for row in "${cases[@]}"; do
  name=${row%%|*}
  eval "opts=(${row#*|})"
  for ext in wmf emf svg pdf png; do
    "$render" --quiet "${opts[@]}" -o "$name.$ext"
  done
  "$render" "${opts[@]}" --info > "$name.info"
  "$render" --quiet "${opts[@]}" --scale 3 --transparent -o "$name-x3.png"
done
"$render" --quiet --year 2027 --month 1-3 -o year.pdf
"$render" --quiet --year 2027-2028 --month 11,12 -o "batch-%Y-%m.wmf"
ls | wc -l
