#!/usr/bin/env bash
# Installs the Debian packages Pluvane needs to build, run and test.
# Only what is missing is installed; nothing happens when all is present.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-qpa-plugins qt6-svg-dev qt6-translations-l10n
  libgtest-dev libbenchmark-dev
  fonts-ipafont-gothic fonts-noto-cjk fonts-urw-base35
  emf2svg libwmf-bin
  xvfb xdotool xclip x11-utils imagemagick poppler-utils
  desktop-file-utils libxml2-utils groff-base man-db file dpkg-dev appstream lintian
  libfontconfig-dev python3-uno librsvg2-bin
  clang-14 libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "setup: installing ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then
    SUDO=sudo
  else
    echo "setup: these Debian packages are missing and installing them needs root: ${missing[*]}" >&2
    echo "setup: run 'apt-get install ${missing[*]}' as root, then try again." >&2
    exit 1
  fi
else
  SUDO=
fi

export DEBIAN_FRONTEND=noninteractive
if ! $SUDO apt-get install -y --no-install-recommends "${missing[@]}"; then
  $SUDO apt-get update
  $SUDO apt-get install -y --no-install-recommends "${missing[@]}" || {
    echo "setup: apt-get could not install: ${missing[*]}" >&2
    exit 1
  }
fi
