#!/usr/bin/env bash
# Prints whole-process timings of pluvane-render (median of several runs):
# one month to EMF, 12 months to one PDF, 12 months to SVG files, and all
# 7212 months from 1900 to 2500 to EMF files, and the holiday list from
# 1948 to 2500. Not a test: figures only.
set -euo pipefail
render=${1:-build}/src/render/pluvane-render
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

median_ms() { # runs the command N times, prints the median wall time in ms
  local runs=$1; shift
  local times=()
  for _ in $(seq "$runs"); do
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    times+=($(( (end - start) / 100000 )))
  done
  local sorted=($(printf '%s\n' "${times[@]}" | sort -n))
  local m=${sorted[$(( runs / 2 ))]}
  printf '%d.%d' $(( m / 10 )) $(( m % 10 ))
}

export QT_QPA_PLATFORM=offscreen
echo "one month to EMF:            $(median_ms 21 "$render" --quiet -o "$out/one.emf") ms"
echo "12 months to one PDF:        $(median_ms 11 "$render" --quiet --month 1-12 -o "$out/year.pdf") ms"
echo "12 months to SVG files:      $(median_ms 11 "$render" --quiet --month 1-12 -o "$out/cal-%m.svg") ms"
echo "7212 months to EMF files:    $(median_ms 5 "$render" --quiet --year 1900-2500 --month 1-12 -o "$out/%Y-%m.emf") ms"
echo "(files in the last run: $(ls "$out" | wc -l))"
echo "--list-holidays 1948-2500:   $(median_ms 11 "$render" --list-holidays 1948-2500) ms ($("$render" --list-holidays 1948-2500 | wc -l) lines)"
