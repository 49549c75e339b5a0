#!/usr/bin/env bash
# Installs the build into a staging folder with `cmake --install` and checks
# what lands there: the programs, the desktop entry, the icons and the manual
# page, each with the tool that would judge it on a real system.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"

cmake=cmake build= source= window=1 svg_raster=
while [ $# -gt 0 ]; do
  case "$1" in
    --cmake) cmake=$2; shift 2 ;;
    --build) build=$2; shift 2 ;;
    --source) source=$2; shift 2 ;;
    --window) window=$2; shift 2 ;;
    --svg-raster) svg_raster=$2; shift 2 ;;
    *) die "unknown argument '$1'" ;;
  esac
done
[ -n "$build" ] && [ -n "$source" ] || die "usage: $0 --build DIR --source DIR [--cmake CMAKE] [--window 0|1] [--svg-raster PROGRAM]"

need file file
need ldd libc-bin
need groff groff-base
need xmllint libxml2-utils
need gzip gzip
if [ "$window" = 1 ]; then
  need desktop-file-validate desktop-file-utils
  need appstreamcli appstream
  need identify imagemagick
  need compare imagemagick
  [ -x "$svg_raster" ] || die "the SVG rasteriser '$svg_raster' is not built"
fi

stage=$(mktemp -d "${TMPDIR:-/tmp}/pluvane-install.XXXXXX")
trap 'rm -rf "$stage"' EXIT
prefix=$stage/usr

if ! "$cmake" --install "$build" --prefix "$prefix" >"$stage/install.log" 2>&1; then
  cat "$stage/install.log" >&2
  die "cmake --install $build --prefix $prefix failed (are pluvane and pluvane-render built?)"
fi
pass "cmake --install into a staging folder"

# The AppStream entry is named by its id, which the build chooses.
app_id=$(app_id_in "$(cd "$prefix" && find . -type f | sed 's|^\./||')")
# Every expected file is there, and nothing else is.
expected=$( { expected_programs "$window"; expected_data_files "$window" "$app_id"; } | sort)
actual=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort)
for f in $expected; do
  [ -f "$prefix/$f" ] || fail "$f was not installed"
done
unexpected=$(comm -13 <(echo "$expected") <(echo "$actual"))
[ -z "$unexpected" ] || fail "files installed that no check knows about: $(echo $unexpected)"
pass "installed files: $(echo $actual)"

# The programs are executable ELF binaries whose libraries all resolve, and
# the data files are plain readable files, not executable.
for f in $(expected_programs "$window"); do
  [ -x "$prefix/$f" ] || { fail "$f is not executable"; continue; }
  file -b "$prefix/$f" | grep -q '^ELF .* executable' || fail "$f is not an ELF executable: $(file -b "$prefix/$f")"
  missing=$(ldd "$prefix/$f" | grep 'not found')
  [ -z "$missing" ] || fail "$f needs libraries that are not found: $missing"
done
for f in $(expected_data_files "$window" "$app_id"); do
  [ -f "$prefix/$f" ] && [ ! -x "$prefix/$f" ] || fail "$f should be a plain, non-executable file"
done
pass "programs are executable and their libraries resolve"

# The installed renderer runs from its new place.
render=$prefix/bin/pluvane-render
"$render" --help >"$stage/help.txt" 2>&1 || fail "installed pluvane-render --help exited with $?"
if "$render" --year 2027 --month 3 --info >"$stage/info.txt" 2>"$stage/info.err"; then
  grep -qx 'daycount=31' "$stage/info.txt" || fail "installed pluvane-render --info for March 2027 does not give daycount=31: $(cat "$stage/info.txt")"
else
  fail "installed pluvane-render --info exited with $?: $(cat "$stage/info.err")"
fi
if "$render" --year 2027 --month 3 --quiet -o "$stage/march.emf" 2>"$stage/emf.err"; then
  [ -s "$stage/march.emf" ] || fail "installed pluvane-render wrote no march.emf"
else
  fail "installed pluvane-render -o march.emf exited with $?: $(cat "$stage/emf.err")"
fi
pass "installed pluvane-render runs"

# The manual page: no groff warnings at the strictest level, the usual
# sections, and every option explained, both the known list and whatever the
# program's own --help names.
# Installed gzipped as Debian wants, without a name or time in the header.
for page in $(expected_data_files "$window" "$app_id" | grep '\.gz$'); do
  gzip -t "$prefix/$page" 2>/dev/null || fail "$page is not a sound gzip file"
  [ "$(od -An -tx1 -j3 -N5 "$prefix/$page" | tr -d ' ')" = 0000000000 ] ||
    fail "$page keeps a file name or time stamp (gzip -n leaves them out)"
done
man=$stage/pluvane-render.1
gzip -dc "$prefix/share/man/man1/pluvane-render.1.gz" >"$man"
warnings=$(groff -man -Tutf8 -ww -z "$man" 2>&1)
[ -z "$warnings" ] || fail "groff warns about the manual page: $warnings"
if command -v man >/dev/null 2>&1; then
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$man" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man -l warns about the manual page: $warnings"
fi
# Without hyphenation and with no overstriking, option names appear whole.
text=$(groff -man -Tutf8 -P-cbou -rHY=0 "$man" 2>/dev/null)
for section in NAME SYNOPSIS DESCRIPTION OPTIONS "FILES WRITTEN" "EXIT STATUS" EXAMPLES; do
  grep -qx "$section" <<<"$text" || fail "the manual page has no $section section"
done
help_options=$(options_in_help "$render")
[ -n "$help_options" ] || fail "pluvane-render --help names no options"
for option in $(printf '%s\n' "${documented_options[@]}" $help_options | sort -u); do
  # An option stands at the start of its own paragraph in OPTIONS.
  grep -qE "^ {7}$option( |,|$)" <<<"$text" || fail "the manual page does not explain $option"
done
for status in 0 1 2; do
  sed -n '/^EXIT STATUS$/,/^[A-Z]/p' <<<"$text" | grep -qE "^ {7}$status( |$)" ||
    fail "the manual page does not explain exit status $status"
done
grep -q 'ＭＳ Ｐゴシック' <<<"$text" || fail "the manual page does not give the default font"
[ "$(sed -n '/^EXAMPLES$/,/^[A-Z]/p' <<<"$text" | grep -c '^ *pluvane-render ')" -ge 4 ] ||
  fail "the manual page shows fewer than four examples"
pass "manual page renders cleanly and explains every option"

if [ "$window" = 1 ]; then
  # The window's manual page: clean, with the usual sections.
  gzip -dc "$prefix/share/man/man1/pluvane.1.gz" >"$stage/pluvane.1"
  warnings=$(groff -man -Tutf8 -ww -z "$stage/pluvane.1" 2>&1)
  [ -z "$warnings" ] || fail "groff warns about the manual page of pluvane: $warnings"
  text=$(groff -man -Tutf8 -P-cbou -rHY=0 "$stage/pluvane.1" 2>/dev/null)
  for section in NAME SYNOPSIS DESCRIPTION "SEE ALSO"; do
    grep -qx "$section" <<<"$text" || fail "the manual page of pluvane has no $section section"
  done
  pass "manual page of pluvane renders cleanly"

  # The AppStream entry: valid, launching the desktop entry, and naming the
  # formats the program writes.
  metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
  report=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli does not accept $app_id.metainfo.xml: $report"
  xpath() { xmllint --xpath "$1" "$metainfo" 2>/dev/null; }
  [ "$(xpath 'string(/component/id)')" = "$app_id" ] || fail "the AppStream id is not $app_id"
  [ "$(xpath 'string(/component/launchable[@type="desktop-id"])')" = pluvane.desktop ] ||
    fail "the AppStream entry does not launch pluvane.desktop"
  [ -n "$(xpath 'string(/component/content_rating/@type)')" ] || fail "the AppStream entry has no content rating"
  [ "$(xpath 'count(/component/screenshots/screenshot/image)')" -ge 2 ] || fail "the AppStream entry has no screenshots"
  for type in image/wmf image/emf image/svg+xml application/pdf image/png; do
    [ "$(xpath "count(/component/provides/mediatype[text()='$type'])")" = 1 ] ||
      fail "the AppStream entry does not provide $type"
  done
  pass "AppStream entry is valid and complete"

  # The desktop entry: accepted without even a hint, and saying what it should.
  desktop=$prefix/share/applications/pluvane.desktop
  report=$(desktop-file-validate "$desktop" 2>&1)
  status=$?
  [ "$status" -eq 0 ] && [ -z "$report" ] || fail "desktop-file-validate does not accept pluvane.desktop: $report"
  key() { sed -n "s/^$1=//p" "$desktop"; }
  [ "$(key Type)" = Application ] || fail "the desktop entry's Type is not Application"
  [ "$(key Name)" = Pluvane ] || fail "the desktop entry's Name is not Pluvane"
  [ -n "$(key 'Name\[ja\]')" ] || fail "the desktop entry has no Name[ja]"
  [ "$(key Exec)" = pluvane ] || fail "the desktop entry does not run pluvane"
  [ -x "$prefix/bin/$(key Exec)" ] || fail "the desktop entry's program is not in bin"
  [ "$(key Icon)" = pluvane ] || fail "the desktop entry's Icon is not pluvane"
  [ -n "$(key Comment)" ] || fail "the desktop entry has no Comment"
  key 'Comment\[ja\]' | LC_ALL=C grep -q '[^ -~]' || fail "the desktop entry's Comment[ja] is missing or has no Japanese"
  grep -qE '^Categories=(.*;)?Graphics;' "$desktop" || fail "the desktop entry is not in the Graphics category"
  pass "desktop entry is valid and complete"

  # The 32 x 32 icon is a PNG and the very picture the window shows.
  png=$prefix/share/icons/hicolor/32x32/apps/pluvane.png
  [ "$(identify -format '%m %w %h' "$png" 2>&1)" = "PNG 32 32" ] ||
    fail "the 32x32 icon is not a 32 x 32 PNG: $(identify "$png" 2>&1)"
  differing=$(compare -metric AE "$source/src/window/pluvane.xpm" "$png" null: 2>&1)
  [ "$differing" = 0 ] || fail "the 32x32 icon differs from src/window/pluvane.xpm in $differing pixels"
  pass "32x32 PNG icon matches the window icon"

  # The scalable icon is well-formed SVG and, drawn at 32 x 32, the same page
  # as the window icon except for antialiased edges.
  svg=$prefix/share/icons/hicolor/scalable/apps/pluvane.svg
  xmllint --noout "$svg" 2>"$stage/xmllint.err" || fail "the scalable icon is not well-formed XML: $(cat "$stage/xmllint.err")"
  [ "$(xmllint --xpath 'local-name(/*)' "$svg" 2>/dev/null)" = svg ] || fail "the scalable icon's root element is not <svg>"
  [ "$(xmllint --xpath 'namespace-uri(/*)' "$svg" 2>/dev/null)" = http://www.w3.org/2000/svg ] ||
    fail "the scalable icon is not in the SVG namespace"
  [ -n "$(xmllint --xpath 'string(/*/@viewBox)' "$svg" 2>/dev/null)" ] || fail "the scalable icon has no viewBox"
  if "$svg_raster" "$svg" "$stage/svg32.png" 32 2>"$stage/raster.err"; then
    differing=$(compare -metric AE -fuzz 10% "$source/src/window/pluvane.xpm" "$stage/svg32.png" null: 2>&1)
    [[ "$differing" =~ ^[0-9]+$ ]] && [ "$differing" -le 16 ] ||
      fail "the scalable icon drawn at 32 x 32 differs from src/window/pluvane.xpm in $differing pixels (16 allowed)"
  else
    fail "the scalable icon cannot be drawn: $(cat "$stage/raster.err")"
  fi
  pass "scalable icon is SVG and shows the window icon's design"
fi

finish
