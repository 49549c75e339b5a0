#!/usr/bin/env bash
# Prints, under Xvfb, the time from starting pluvane to its window being
# mapped (median of 7 starts) and the time from a click on "作成" to the
# repainted preview (bench/WindowBench.cpp). Not a test: figures only.
set -euo pipefail
build=${1:-build}
pluvane=$build/src/window/pluvane
bench=$build/bench/window_bench

numberfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$numberfile" 2>/dev/null &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null || true; rm -f "$numberfile"' EXIT
for _ in $(seq 500); do [ -n "$(head -n1 "$numberfile")" ] && break; sleep 0.01; done
export DISPLAY=:$(head -n1 "$numberfile")
# The server is up once it answers.
for _ in $(seq 500); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.01; done
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

times=()
for _ in 1 2 3 4 5 6 7; do
  start=$(date +%s%N)
  "$pluvane" 2>/dev/null &
  app=$!
  # xdotool's own --sync polls only every half second; poll far more often.
  for _ in $(seq 5000); do
    xdotool search --onlyvisible --name "Pluvane Ver 1.0" >/dev/null 2>&1 && break
    kill -0 $app 2>/dev/null || { echo "pluvane did not start on $DISPLAY" >&2; exit 1; }
    sleep 0.002
  done
  end=$(date +%s%N)
  times+=($(( (end - start) / 1000000 )))
  kill $app; wait $app 2>/dev/null || true
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "start to mapped window: median ${sorted[3]} ms (runs: ${times[*]} ms)"

"$bench" --benchmark_format=console 2>/dev/null | grep -E 'median|mean'
