#!/usr/bin/env bash
# Runs a command with an X server and a wine of its own, for the tests of the Win32 window:
#   with_wine_display.sh WINE_PREFIX COMMAND [ARGUMENT...]
# Starts Xvfb on a free display and a wine server for it in WINE_PREFIX, then runs the command
# with DISPLAY, WINEPREFIX and WINE (the wine program to start Windows programs with) exported.
# A wine server that started without a display gives every window to a driver that shows
# nothing, so the prefix is not shared with the tests that need no window. Exits with the
# command's status; every process it starts is ended on the way out.
set -euo pipefail

mkdir -p "$1"
export WINEPREFIX
WINEPREFIX=$(realpath "$1")
shift

# shellcheck source=../support/wine.sh
. "$(dirname "$0")/../support/wine.sh"
find_wine
export WINE=$wine

work=$(mktemp -d)
xvfb=
cleanup() {
  "$wineserver" -k >/dev/null 2>&1 || true
  if [ -n "$xvfb" ]; then
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# shellcheck source=../support/xvfb.sh
. "$(dirname "$0")/../support/xvfb.sh"
start_xvfb "$work" || exit 1
xvfb=$xvfb_pid

# A server left over from an earlier run would still be bound to its display.
"$wineserver" -k >/dev/null 2>&1 || true
prepare_wine_prefix

status=0
"$@" || status=$?
exit "$status"
