#!/usr/bin/env bash
# Sets up, builds and runs every test. BUILD_DIR and extra CMake arguments
# select another build (the sanitizer run uses both).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh" "$@"
cd "$root/${BUILD_DIR:-build}"
ctest --output-on-failure -j 2
