#!/usr/bin/env bash
# The Qt window as a desktop shows it: framed by a window manager (openbox), which puts the
# program's icon into its caption, saved as a picture for a person to look at.
#   window_screenshot.sh PROGRAM SCREENSHOT
# Fails when the window does not hand the window manager its icon at each size it was drawn
# for. Bounded in time; every process it starts is ended on the way out.
set -euo pipefail

program=$1
screenshot=$2
step_seconds=${E2E_STEP_SECONDS:-20}

# shellcheck source=../support/e2e.sh
. "$(dirname "$0")/../support/e2e.sh"
# shellcheck source=../support/xvfb.sh
. "$(dirname "$0")/../support/xvfb.sh"
start_xvfb "$work" || fail "no X server"
pids+=("$xvfb_pid")
openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=("$!")
export QT_QPA_PLATFORM=xcb

cp "$program" "$work/plessard-macro-io"
(cd "$work" && exec ./plessard-macro-io) >"$work/program.log" 2>&1 &
pids+=("$!")
window=$(timeout "$step_seconds" xdotool search --sync --onlyvisible \
  --name '^Plessard Macro File IO Example$' | head -n 1) || fail "the window did not appear"
# Framed once the window manager states the frame's extents.
for _ in $(seq 1 $((step_seconds * 10))); do
  xprop -id "$window" _NET_FRAME_EXTENTS | grep -q ' = ' && break
  sleep 0.1
done
xprop -id "$window" _NET_FRAME_EXTENTS | grep -q ' = ' || fail "the window manager framed nothing"
# Qt hands the window manager every size up to 64 pixels.
sizes=$(xprop -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr -d 'Icon() ' |
  tr '\n' ',')
[ "$sizes" = "16x16,20x20,24x24,32x32,40x40,48x48,64x64," ] ||
  fail "the window offers its icon at: $sizes"
mkdir -p "$(dirname "$screenshot")"
import -frame -window "$window" "$screenshot" || fail "no screenshot"
echo "ok: the icon at every drawn size; $screenshot"
