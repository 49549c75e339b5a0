#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a bounded time over
# seeds the renderer makes. Fails when a target finds an input that crashes
# or trips a sanitizer; the input is kept under the fuzz build's artifacts/.
# Each target's log is build-fuzz/fuzz-TARGET.log.
# Usage: fuzz/run.sh [SECONDS_PER_TARGET]   (default 60)
# FUZZ_BUILD_DIR names the build folder (default build-fuzz); the renderer for
# the seeds comes from the normal build (build/, made first when missing).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
build=$root/${FUZZ_BUILD_DIR:-build-fuzz}
clang=$(command -v clang++-14 || command -v clang++ || true)
if [ -z "$clang" ]; then
  echo "fuzz: clang is not installed; scripts/setup.sh installs it" >&2
  exit 1
fi

cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER="$clang" -DPLUVANE_FUZZ=ON -DPLUVANE_WINDOW=OFF \
  -DBUILD_TESTING=OFF -DPLUVANE_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j 2 --target fuzz_emf_player fuzz_wmf_converter fuzz_make_and_write

renderer=$root/build/src/render/pluvane-render
if [ ! -x "$renderer" ]; then
  cmake -S "$root" -B "$root/build" >/dev/null
  cmake --build "$root/build" -j 2 --target pluvane-render
fi
seeds=$build/seeds
rm -rf "$seeds"
bash "$root/fuzz/make-seeds.sh" "$renderer" "$seeds"

export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export ASAN_OPTIONS=detect_leaks=0 # Qt's font caches live as long as the process
mkdir -p "$build/artifacts"
for target in emf_player wmf_converter make_and_write; do
  corpus=$build/corpus/$target
  mkdir -p "$corpus"
  echo "fuzz: $target for ${seconds}s"
  # Fork mode runs the inputs in child processes it restarts every few
  # seconds, which drops what Qt and fontconfig keep for every face name seen.
  "$build/fuzz/fuzz_$target" -fork=1 -ignore_ooms=0 -ignore_timeouts=0 -max_total_time="$seconds" \
    -rss_limit_mb=3072 -timeout=30 \
    -artifact_prefix="$build/artifacts/$target-" "$corpus" "$seeds/$target" 2>"$build/fuzz-$target.log" || {
    tail -n 60 "$build/fuzz-$target.log" >&2
    echo "fuzz: $target failed; the input is in $build/artifacts/" >&2
    exit 1
  }
  # The last progress line: inputs run, features covered, inputs a second.
  grep -E '^#[0-9]+: cov:' "$build/fuzz-$target.log" | tail -n 1 || true
done
