#!/usr/bin/env bash
# The Win32 window end to end under wine in a real X server: real mouse clicks and keys, and a
# probe that reads the windows from the Windows side.
#   with_wine_display.sh PREFIX win32_window_e2e.sh PROGRAM PROBE EXPECTED_OUTPUT [SCREENSHOT]
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
expected=$(realpath "$3")
screenshot=${4:-}
step_seconds=${E2E_STEP_SECONDS:-30}
dpi=${E2E_DPI:-96}
wine=$WINE

# shellcheck source=../support/e2e.sh
. "$(dirname "$0")/../support/e2e.sh"

probe() {
  "$wine" "$probe" "$@" 2>/dev/null
}

# Programs started from now on take the resolution; the client area is 7848 x 3720 twips.
"$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
client_width=$(((7848 * dpi + 720) / 1440))
client_height=$(((3720 * dpi + 720) / 1440))

# The program reads and writes beside itself, so each case runs a copy in its own folder.
start_program() {
  local folder=$1
  cp "$program" "$folder/plessard-macro-io.exe"
  (cd "$folder" && exec "$wine" ./plessard-macro-io.exe) >"$folder/program.log" 2>&1 &
  app=$!
  pids+=("$app")
  window=$(timeout "$step_seconds" xdotool search --sync --onlyvisible \
    --name '^Plessard Macro File IO Example$' | head -n 1) || fail "the window did not appear"
  # Without a window manager wine draws the frame inside the X window: the client area sits
  # centred across and at the bottom, below the caption.
  eval "$(xdotool getwindowgeometry --shell "$window")"
  border=$(((WIDTH - client_width) / 2))
  caption=$((HEIGHT - client_height - border))
  [ "$(probe focus "$step_seconds")" = Command1 ] || fail "the focus did not start on Command1"
}

# Ends a program that is still running, and waits until its window has gone.
stop_program() {
  kill "$app"
  wait "$app" 2>/dev/null || true
  for _ in $(seq 1 $((step_seconds * 10))); do
    xdotool search --onlyvisible --name '^Plessard Macro File IO Example$' >/dev/null || return 0
    sleep 0.1
  done
  fail "the window stayed after its program was ended"
}

# A real click at a point of the client area, in pixels at 96 dots per inch.
click() {
  xdotool mousemove --window "$window" $((border + $1*dpi/96)) $((caption + $2*dpi/96)) click 1
}

expect_focus() {
  local seen
  seen=$(probe focus)
  [ "$seen" = "$1" ] || fail "focus on $seen, expected $1"
}

# No box of that title within a second.
expect_no_box() {
  sleep 1
  if probe box "$1" 0 >/dev/null; then
    fail "a box titled $1 appeared"
  fi
}

still_running() {
  kill -0 "$app" 2>/dev/null || fail "the program ended: $(cat "$1/program.log")"
}

# Text3 (NX): 4320,2520 1215x315.
nx_x=$(twips_centre 4320 1215)
nx_y=$(twips_centre 2520 315)

echo "== keys, and a read without an input file, in Größe部品"
missing="$work/Größe部品"
mkdir "$missing"
start_program "$missing"
for next in Picture1 Text1 Text2 Text3 Text4 Command1; do
  xdotool key Tab
  expect_focus "$next"
done
xdotool key Down Right Up Left
expect_focus Command1
xdotool key Tab Down Right
expect_focus Picture1
xdotool key shift+Tab shift+Tab
expect_focus Text4
xdotool key shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
expect_focus Command1
xdotool key Return Escape
expect_no_box "File Error"
still_running "$missing"
xdotool key space
box=$(probe box "File Error") || fail "Space on Command1 brought no File Error box"
expected_box="icon: shown
text: Cannot open Z:${missing//\//\\}\\vb_input.txt for reading: No such file or directory
button: OK"
[ "$box" = "$expected_box" ] || fail "the File Error box showed
$box
expected
$expected_box"
sleep 0.3
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
  click "$read_x" "$read_y"
  sleep 0.5
  if [ "$name" = good ]; then
    icons=$(xprop -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
    px=$((16 * dpi / 96))
    [ "$icons" = "Icon ($((2 * px)) x $((2 * px))) Icon ($px x $px) " ] || fail "icons: $icons"
  fi
  if [ -n "$screenshot" ] && [ "$name" = good ]; then
    mkdir -p "$(dirname "$screenshot")"
    import -window "$window" "$screenshot" || fail "no screenshot"
  fi
  xdotool key Tab Up Left
  expect_focus Command2
  xdotool key Return Escape
  sleep 1
  still_running "$good"
  [ ! -e "$good/vb_output.txt" ] || fail "Enter or Esc on Command2 wrote vb_output.txt"
  click "$create_x" "$create_y"
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
click "$read_x" "$read_y"
sleep 0.5
click "$nx_x" "$nx_y"
xdotool key End BackSpace BackSpace BackSpace
xdotool type 11
click "$create_x" "$create_y"
box=$(probe box "Macro Example") || fail "no box titled Macro Example"
expected_box="icon: none
text: NX must between 1 and 10
button: OK"
[ "$box" = "$expected_box" ] || fail "the Macro Example box showed
$box
expected
$expected_box"
xdotool key Return
sleep 0.5
expect_no_box "Macro Example"
expect_focus Text3
still_running "$rejected"
[ ! -e "$rejected/vb_output.txt" ] || fail "a rejected NX wrote vb_output.txt"
stop_program
echo "ok: Macro Example says so, focus on NX, still running, nothing written"
