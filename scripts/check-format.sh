#!/usr/bin/env bash
# Checks that every C++ file keeps the project's .clang-format; with --fix,
# formats them instead. Exits 77 (skipped) where clang-format is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang-format >/dev/null 2>&1; then
  echo "clang-format is not installed; format not checked"
  exit 77
fi
mapfile -t files < <(git ls-files 'src/*.h' 'src/*.cpp' 'tests/*.h' 'tests/*.cpp' 'bench/*.cpp' 'fuzz/*.cpp' 2>/dev/null || true)
if [ ${#files[@]} -eq 0 ]; then
  mapfile -t files < <(find src tests bench -name '*.h' -o -name '*.cpp')
fi
if [ "${1:-}" = --fix ]; then
  clang-format -i "${files[@]}"
else
  clang-format --dry-run -Werror "${files[@]}"
fi
