#!/usr/bin/env bash
# Prints, under Xvfb, the time from starting pluvane to its window being
# mapped (median of 7 starts, or PLUVANE_STARTS) and the time from a click on "作成" to the
# repainted preview (bench/WindowBench.cpp). Not a test: figures only.
set -euo pipefail
build=${1:-build}
pluvane=$build/src/window/pluvane
bench=$build/bench/window_bench

# Exit status 77 (skipped, for CTest) when a tool is missing.
for tool in Xvfb xdpyinfo xdotool; do
  command -v "$tool" >/dev/null || { echo "window_timing: $tool is missing; scripts/setup.sh installs it" >&2; exit 77; }
done

# An X server resets itself whenever its last client leaves, and refuses new
# clients while it does: each check below and each run of pluvane would leave
# the next one to meet a resetting server. -noreset keeps it taking clients.
numberfile=$(mktemp)
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$numberfile" 2>/dev/null &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null || true; rm -f "$numberfile"' EXIT
# Xvfb writes its display number once it takes connections.
number=
for _ in $(seq 1000); do
  number=$(head -n1 "$numberfile")
  [ -n "$number" ] && break
  kill -0 $xvfb_pid 2>/dev/null || { echo "window_timing: Xvfb exited" >&2; exit 1; }
  sleep 0.01
done
[ -n "$number" ] || { echo "window_timing: Xvfb gave no display number within 10 s" >&2; exit 1; }
export DISPLAY=:$number
# The server is up once it answers.
up=no
for _ in $(seq 1000); do xdpyinfo >/dev/null 2>&1 && { up=yes; break; }; sleep 0.01; done
[ $up = yes ] || { echo "window_timing: the X server on $DISPLAY does not answer" >&2; exit 1; }
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

# PLUVANE_STARTS sets how many starts make the median (7 unless given).
starts=${PLUVANE_STARTS:-7}
times=()
for _ in $(seq "$starts"); do
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
echo "start to mapped window: median ${sorted[$((starts / 2))]} ms (runs: ${times[*]} ms)"

if [ -x "$bench" ]; then
  "$bench" --benchmark_format=console 2>/dev/null | grep -E 'median|mean'
else
  echo "window_timing: $bench is not built (it needs libbenchmark-dev); no repaint figures" >&2
fi
