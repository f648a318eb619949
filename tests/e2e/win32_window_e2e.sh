#!/usr/bin/env bash
# The Win32 window end to end under wine in a real X server: real mouse clicks and keys, and a
# probe that reads the windows from the Windows side.
#   with_wine_display.sh PREFIX win32_window_e2e.sh PROGRAM PROBE CONTROL_CENTRES EXPECTED_OUTPUT
#     [SCREENSHOT]
# 1. Tab and Shift+Tab walk Command1, Picture1, Text1..Text4 while Command2 is disabled; Enter
#    and Esc press nothing; Space presses Command1, and without vb_input.txt a "File Error" box
#    with an icon names the file in a folder called Größe部品; the program keeps running.
# 2. A folder with the sample vb_input.txt: the window has the program's icon in its caption
#    (16 pixels) and task bar entry (32); Read, then Tab reaches Command2, Enter and Esc still
#    press nothing; Create ends the program with status 0 and vb_output.txt equals
#    EXPECTED_OUTPUT byte for byte. Once more in a folder called Größe部品. With SCREENSHOT, the
#    window after the read is saved there as a picture (ImageMagick's import).
# 3. "11" typed into NX: Create shows "Macro Example" without an icon, with the text "NX must
#    between 1 and 10" and one OK button; closing it leaves the focus on NX and nothing written.
# Arrows on a button or the picture move no focus (1, 2). At E2E_DPI dots per inch (96; 144: 150 %).
# Runs inside tests/win32/with_wine_display.sh, which gives it DISPLAY, WINEPREFIX and WINE.
# Bounded in time; every program it starts is ended on the way out.
set -euo pipefail

program=$(realpath "$1")
probe=$(realpath "$2")
centres=$(realpath "$3")
expected=$(realpath "$4")
screenshot=${5:-}
step_seconds=${E2E_STEP_SECONDS:-60}
dpi=${E2E_DPI:-96}
wine=$WINE

# shellcheck source=../support/e2e.sh
. "$(dirname "$0")/../support/e2e.sh"

# What the probe says on standard error stays in probe.log for a failure's report.
probe() {
  "$wine" "$probe" "$@" 2>>"$work/probe.log"
}

main_title='^Plessard Macro File IO Example$'

# Programs started from now on take the resolution; the client area is 7848 x 3720 twips.
"$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
client_width=$(((7848 * dpi + 720) / 1440))
client_height=$(((3720 * dpi + 720) / 1440))

# The program reads and writes beside itself, so each case runs a copy in its own folder.
start_program() {
  local folder=$1
  cp "$program" "$folder/plessard-macro-io.exe"
  wait_for_no_window "$main_title" || fail "the window of an earlier program stayed"
  (cd "$folder" && exec "$wine" ./plessard-macro-io.exe) >"$folder/program.log" 2>&1 &
  app=$!
  pids+=("$app")
  wait_for_window "$main_title" ||
    fail "the window did not appear ($(app_ended && echo ended || echo running); log: $(cat "$folder/program.log"); xdotool: $(cat "$work/search.err"))"
  window=$shown
  # Without a window manager wine draws the frame inside the X window: the client area sits
  # centred across and at the bottom, below the caption.
  eval "$(xdotool getwindowgeometry --shell "$window")"
  border=$(((WIDTH - client_width) / 2))
  caption=$((HEIGHT - client_height - border))
  expect_focus Command1
}

# Ends a program that is still running.
stop_program() {
  kill "$app"
  wait "$app" 2>/dev/null || true
}

# A real click on the centre of the control $1 (given in pixels at 96 dots per inch).
click() {
  xdotool mousemove --window "$window" $((border + centre_x[$1] * dpi / 96)) \
    $((caption + centre_y[$1] * dpi / 96)) click 1
}

# Waits until the focus is on the control $1.
expect_focus() {
  local seen
  local seen status=0
  seen=$(probe focus "$1" "$step_seconds") || status=$?
  [ "$status" = 0 ] ||
    fail "focus on $seen, expected $1 (probe status $status: $(cat "$work/probe.log"))"
}

# Presses the keys after $2, then $2 (Tab or Shift+Tab), and waits until the focus is on $1:
# by then the window has handled the keys before it too.
press_then_move() {
  local next=$1 move=$2
  shift 2
  local key
  for key in "$@"; do
    xdotool key "$key"
  done
  xdotool key "$move"
  expect_focus "$next"
}

# Clicks Read and waits until the read has enabled Command2.
click_read() {
  click Command1
  probe enabled Command2 "$step_seconds" || fail "Read did not enable Command2"
}

still_running() {
  kill -0 "$app" 2>/dev/null || fail "the program ended: $(cat "$1/program.log")"
}

load_centres "$wine" "$centres"

echo "== keys, and a read without an input file, in Größe部品"
missing="$work/Größe部品"
mkdir "$missing"
start_program "$missing"
for next in Picture1 Text1 Text2 Text3 Text4 Command1; do
  xdotool key Tab
  expect_focus "$next"
done
# Arrow keys move no focus, on a button or on the picture: the Tab after them moves on by one.
press_then_move Picture1 Tab Down Right Up Left
press_then_move Text1 Tab Down Right
for next in Picture1 Command1 Text4 Text3 Text2 Text1 Picture1 Command1; do
  xdotool key shift+Tab
  expect_focus "$next"
done
press_then_move Picture1 Tab Return Escape
if probe box "File Error" 0 >/dev/null; then
  fail "Enter or Esc on Command1 brought a File Error box"
fi
xdotool key shift+Tab
expect_focus Command1
still_running "$missing"
xdotool key space
box=$(probe box "File Error" "$step_seconds") || fail "Space on Command1 brought no File Error box"
expected_box="icon: shown
text: Cannot open Z:${missing//\//\\}\\vb_input.txt for reading: No such file or directory
button: OK"
[ "$box" = "$expected_box" ] || fail "the File Error box showed
$box
expected
$expected_box"
still_running "$missing"
[ ! -e "$missing/vb_output.txt" ] || fail "a failed read wrote vb_output.txt"
stop_program
echo "ok: tab order, Enter and Esc press nothing, File Error names the file, still running"

for name in good "Größe部品 ok"; do
  echo "== read and create in $name"
  good="$work/$name"
  mkdir "$good"
  write_sample_input "$good"
  start_program "$good"
  click_read
  if [ "$name" = good ]; then
    icons=$(xprop -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
    px=$((16 * dpi / 96))
    [ "$icons" = "Icon ($((2 * px)) x $((2 * px))) Icon ($px x $px) " ] || fail "icons: $icons"
  fi
  if [ -n "$screenshot" ] && [ "$name" = good ]; then
    mkdir -p "$(dirname "$screenshot")"
    import -window "$window" "$screenshot" || fail "no screenshot"
  fi
  xdotool key Tab
  expect_focus Command2
  press_then_move Command1 shift+Tab Up Left Return Escape
  still_running "$good"
  [ ! -e "$good/vb_output.txt" ] || fail "Enter or Esc on Command2 wrote vb_output.txt"
  click Command2
  wait_for_end || fail "the program did not end (log: $(cat "$good/program.log"))"
  [ "$status" = 0 ] || fail "the program ended with status $status"
  cmp "$good/vb_output.txt" "$expected" || fail "vb_output.txt differs from $expected"
  echo "ok: ended with status 0, vb_output.txt as expected"
done

echo "== NX 11"
rejected="$work/rejected"
mkdir "$rejected"
write_sample_input "$rejected"
start_program "$rejected"
click_read
click Text3
expect_focus Text3
xdotool key End BackSpace BackSpace BackSpace
xdotool type 11
click Command2
box=$(probe box "Macro Example" "$step_seconds") || fail "no box titled Macro Example"
expected_box="icon: none
text: NX must between 1 and 10
button: OK"
[ "$box" = "$expected_box" ] || fail "the Macro Example box showed
$box
expected
$expected_box"
# Once the box is closed, the focus goes back to NX.
xdotool key Return
expect_focus Text3
if probe box "Macro Example" 0 >/dev/null; then
  fail "the box titled Macro Example stayed"
fi
still_running "$rejected"
[ ! -e "$rejected/vb_output.txt" ] || fail "a rejected NX wrote vb_output.txt"
stop_program
echo "ok: Macro Example says so, focus on NX, still running, nothing written"
