#!/usr/bin/env bash
# Builds the .deb with cpack into a scratch folder and inspects it as dpkg
# sees it: the control fields, the declared dependencies, the files and their
# modes, and whether the packaged renderer runs once unpacked.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"

cpack=cpack build= version= window=1
while [ $# -gt 0 ]; do
  case "$1" in
    --cpack) cpack=$2; shift 2 ;;
    --build) build=$2; shift 2 ;;
    --version) version=$2; shift 2 ;;
    --window) window=$2; shift 2 ;;
    *) die "unknown argument '$1'" ;;
  esac
done
[ -n "$build" ] && [ -n "$version" ] || die "usage: $0 --build DIR --version V [--cpack CPACK] [--window 0|1]"

need dpkg-deb dpkg
need dpkg-query dpkg
need file file
[ -f "$build/CPackConfig.cmake" ] || die "$build/CPackConfig.cmake is missing: is cmake/Packaging.cmake included?"

scratch=$(mktemp -d "${TMPDIR:-/tmp}/pluvane-deb.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch" >"$scratch/cpack.log" 2>&1; then
  cat "$scratch/cpack.log" >&2
  die "cpack -G DEB failed (are pluvane and pluvane-render built?)"
fi
debs=("$scratch"/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || die "cpack made ${#debs[@]} .deb files, not one: ${debs[*]}"
deb=${debs[0]}
arch=$(dpkg --print-architecture)
[ "$(basename "$deb")" = "pluvane_${version}_${arch}.deb" ] || fail "the package file is $(basename "$deb"), not pluvane_${version}_${arch}.deb"
pass "cpack -G DEB made $(basename "$deb")"

# Control fields.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = pluvane ] || fail "Package is '$(field Package)', not pluvane"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)', not $arch"
[ "$(field Section)" = graphics ] || fail "Section is '$(field Section)', not graphics"
field Maintainer | grep -qE '^[^<]+ <[^>]+@[^>]+>$' || fail "Maintainer '$(field Maintainer)' is not 'Name <address>'"
description=$(field Description)
[ "$(head -n 1 <<<"$description" | wc -c)" -gt 10 ] || fail "the Description has no summary line"
[ "$(wc -l <<<"$description")" -ge 2 ] || fail "the Description has no long text"
pass "control fields: $(field Package) $(field Version) $(field Architecture), section $(field Section)"

# Depends: the libraries dpkg-shlibdeps finds, the platform plugins and the
# default font and Qt's Japanese texts, each a package this Debian knows (every one of them is
# installed on a machine that builds Pluvane).
depends=$(field Depends)
names=$(tr ',|' '\n\n' <<<"$depends" | sed -E 's/\(.*\)//; s/:any//; s/^[[:space:]]+//; s/[[:space:]]+$//' | sed '/^$/d' | sort -u)
for required in libc6 libstdc++6 libfontconfig1 libqt6core6 libqt6gui6 libqt6svg6 qt6-qpa-plugins qt6-translations-l10n fonts-ipafont-gothic; do
  grep -qx "$required" <<<"$names" || fail "Depends does not name $required: $depends"
done
for name in $names; do
  dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q 'install ok installed' ||
    fail "Depends names $name, which is not an installed package here (a misspelt name?)"
done
pass "Depends: $depends"

# Contents: every installed file under /usr, owned by root, with the usual
# modes.
listing=$(dpkg-deb -c "$deb")
app_id=$(app_id_in "$(awk '$1 ~ /^-/ { print $NF }' <<<"$listing" | sed 's|^\./usr/||')")
for f in $(expected_programs "$window"); do
  grep -qE "^-rwxr-xr-x root/root .* \./usr/$f\$" <<<"$listing" || fail "the package has no executable /usr/$f"
done
for f in $(expected_data_files "$window" "$app_id"); do
  grep -qE "^-rw-r--r-- root/root .* \./usr/$f\$" <<<"$listing" || fail "the package has no /usr/$f with mode 644"
done
packaged=$(awk '$1 ~ /^-/ { print $NF }' <<<"$listing" | sed 's|^\./usr/||' | sort)
expected=$( { expected_programs "$window"; expected_data_files "$window" "$app_id"; } | sort)
[ "$packaged" = "$expected" ] || fail "the package holds other files than expected: $(comm -3 <(echo "$expected") <(echo "$packaged") | xargs)"
pass "contents: $(echo $packaged)"

# Unpacked, the renderer runs and the programs are stripped.
dpkg-deb -x "$deb" "$scratch/root" || die "dpkg-deb -x failed"
for f in $(expected_programs "$window"); do
  file -b "$scratch/root/usr/$f" | grep -q ', stripped' || fail "/usr/$f in the package is not stripped"
done
if "$scratch/root/usr/bin/pluvane-render" --year 2028 --month 2 --info >"$scratch/info.txt" 2>"$scratch/info.err"; then
  grep -qx 'daycount=29' "$scratch/info.txt" || fail "the packaged pluvane-render gives no daycount=29 for February 2028"
else
  fail "the packaged pluvane-render --info exited with $?: $(cat "$scratch/info.err")"
fi
pass "packaged programs are stripped and pluvane-render runs"

# Debian's own checker finds no errors; where it is not installed, say so.
if command -v lintian >/dev/null 2>&1; then
  # Lintian warns when run as root; that says nothing about the package.
  lintian --display-info "$deb" >"$scratch/lintian.txt" 2>"$scratch/lintian.err"
  errors=$(grep -E '^E: ' "$scratch/lintian.txt")
  [ -z "$errors" ] || fail "lintian reports errors: $errors"
  pass "lintian reports no errors ($(grep -cE '^[WI]: ' "$scratch/lintian.txt") warnings and notes)"
else
  echo "skipped: lintian is not installed"
fi

finish
