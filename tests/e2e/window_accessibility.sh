#!/usr/bin/env bash
# The window as a screen reader reads it, through AT-SPI, in a real X server:
#   dbus-run-session -- window_accessibility.sh PROGRAM
# Every control's role and name (text boxes by their captions, value labels by their dimension
# and value, the picture as a named, described image), before and after a Read pressed through
# the button's accessible action. Bounded in time; every process it starts is ended on the way
# out.
set -euo pipefail

program=$1

# shellcheck source=../support/e2e.sh
. "$(dirname "$0")/../support/e2e.sh"

# shellcheck source=../support/xvfb.sh
. "$(dirname "$0")/../support/xvfb.sh"
start_xvfb "$work" || fail "no X server"
pids+=("$xvfb_pid")

write_sample_input "$work"
cp "$program" "$work/plessard-macro-io"
# Qt answers screen readers only when the desktop asks for them or this says so.
(cd "$work" && QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 exec ./plessard-macro-io) \
  >"$work/program.log" 2>&1 &
pids+=("$!")

# Debian's python, which has the AT-SPI bindings.
/usr/bin/python3 "$(dirname "$0")/accessibility_reader.py" ||
  fail "the window read wrong (log: $(cat "$work/program.log"))"
