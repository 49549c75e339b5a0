# Shared by the install test scripts: failure reporting, tool checks, the
# expected installed files, and the options pluvane-render documents.

failures=0

# Stops the test at once: for problems that make further checks meaningless.
die() {
  echo "FAIL: $*" >&2
  exit 1
}

# Records a failed check and carries on, so one run shows every problem.
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# Reports a group of checks as passed when none of them failed since the
# previous group.
checked_failures=0
pass() {
  [ "$failures" -eq "$checked_failures" ] && echo "ok: $*"
  checked_failures=$failures
  return 0
}

# need TOOL PACKAGE: the test cannot run without TOOL, which PACKAGE provides.
need() {
  command -v "$1" >/dev/null 2>&1 ||
    die "'$1' is not installed; this test needs it (Debian package $2: apt-get install $2)"
}

finish() {
  if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
  fi
  echo "all checks passed"
}

# Installed paths relative to the prefix. The window's files come with the
# window program only.
expected_programs() {
  echo bin/pluvane-render
  [ "$1" = 1 ] && echo bin/pluvane
  return 0
}

# The id of the one AppStream entry among installed paths, one a line;
# "none" when there is none.
app_id_in() {
  local ids
  ids=$(sed -n 's|^share/metainfo/\(.*\)\.metainfo\.xml$|\1|p' <<<"$1")
  [ -n "$ids" ] && [ "$(wc -l <<<"$ids")" -eq 1 ] && echo "$ids" || echo none
}

# expected_data_files WINDOW APP_ID: the AppStream entry is named by its id.
expected_data_files() {
  echo share/man/man1/pluvane-render.1.gz
  echo share/doc/pluvane/copyright
  echo share/doc/pluvane/changelog.gz
  if [ "$1" = 1 ]; then
    echo share/man/man1/pluvane.1.gz
    echo share/metainfo/$2.metainfo.xml
    echo share/applications/pluvane.desktop
    echo share/icons/hicolor/32x32/apps/pluvane.png
    echo share/icons/hicolor/scalable/apps/pluvane.svg
  fi
  return 0
}

# Every option of pluvane-render, each of which the manual page must explain.
documented_options=(
  --year --month --font --font-height --bold --italic --underline --strikeout
  --cell-width --cell-height --title-size --title-pos --pattern
  --day-color --title-color --weekday-color --line-color --screen
  -o --scale --transparent --info --quiet --help
)

# The options a pluvane-render binary names in its --help text, one a line.
options_in_help() {
  "$1" --help | grep -oE '(^|[[:space:](|])--?[a-z][a-z-]*' | sed -E 's/^[[:space:](|]+//' | sort -u
}
