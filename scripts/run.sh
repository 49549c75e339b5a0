#!/usr/bin/env bash
# Sets up, builds and starts Pluvane. Without a display it renders this
# month with pluvane-render instead and says which file it wrote.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh"
build_dir=$root/${BUILD_DIR:-build}

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x "$build_dir/src/window/pluvane" ]; then
  exec "$build_dir/src/window/pluvane"
fi

out="pluvane-$(date +%Y-%m).emf"
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "No display is attached, so the window cannot open; rendering this month with pluvane-render instead."
else
  echo "The window program is not built; rendering this month with pluvane-render instead."
fi
"$build_dir/src/render/pluvane-render" --quiet -o "$out"
echo "Wrote $(pwd)/$out"
