#!/usr/bin/env bash
# Configures and builds Pluvane into BUILD_DIR (default: build). Extra
# arguments go to CMake's configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" "$@" >/dev/null
cmake --build "$build_dir" -j "$(nproc)"
