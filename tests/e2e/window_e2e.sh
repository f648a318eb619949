#!/usr/bin/env bash
# The window end to end in a real X server: real mouse clicks on the two buttons.
#   window_e2e.sh PROGRAM CONTROL_CENTRES EXPECTED_OUTPUT
# 1. A folder with the sample vb_input.txt: Read, Create; the program ends with status 0 and
#    vb_output.txt equals EXPECTED_OUTPUT byte for byte.
# 2. A folder without vb_input.txt: Read shows a window titled "File Error" and the program keeps
#    running.
# 3. "1d1" typed into DX: Create shows a window titled "Macro Example" and the program keeps
#    running; E2E_REJECT_REPEATS times (default 1; the sanitizer build asks for more, since this
#    path once ended the program with an abort that would not come back).
# Bounded in time; every process it starts is ended on the way out.
set -euo pipefail

program=$1
centres=$2
expected=$3
step_seconds=${E2E_STEP_SECONDS:-60}
reject_repeats=${E2E_REJECT_REPEATS:-1}

# shellcheck source=../support/e2e.sh
. "$(dirname "$0")/../support/e2e.sh"

# shellcheck source=../support/xvfb.sh
. "$(dirname "$0")/../support/xvfb.sh"
load_centres "$centres"
start_xvfb "$work" || fail "no X server"
pids+=("$xvfb_pid")
export QT_QPA_PLATFORM=xcb

# The program reads and writes beside itself, so each case runs a copy in its own folder.
start_program() {
  local folder=$1
  cp "$program" "$folder/plessard-macro-io"
  wait_for_no_window '^Plessard Macro File IO Example$' ||
    fail "the window of an earlier program stayed"
  (cd "$folder" && exec ./plessard-macro-io) >"$folder/program.log" 2>&1 &
  app=$!
  pids+=("$app")
  wait_for_window '^Plessard Macro File IO Example$' ||
    fail "the window did not appear (log: $(cat "$folder/program.log"); xdotool: $(cat "$work/search.err"))"
  window=$shown
}

# Ends a program that is still running.
stop_program() {
  kill "$app"
  wait "$app" 2>/dev/null || true
}

# A real click on the centre of the control $1. The window takes its events
# in the order they come and handles each to its end before the next, so a click or key sent
# after another acts on what the one before left: no step waits for the window.
click() {
  xdotool mousemove --window "$window" "${centre_x[$1]}" "${centre_y[$1]}" click 1
}

# Keys go where the X server's input focus is, which the window takes when it is clicked: waits
# until it has.
has_keyboard() {
  [ "$(xdotool getwindowfocus 2>/dev/null)" = "$window" ]
}
wait_for_keyboard() {
  wait_until has_keyboard || fail "the window did not take the keyboard focus"
}

echo "== read and create"
good="$work/good"
mkdir "$good"
write_sample_input "$good"
start_program "$good"
click Command1
click Command2
wait_for_end || fail "the program did not end after Create (log: $(cat "$good/program.log"))"
[ "$status" = 0 ] || fail "the program ended with status $status"
cmp "$good/vb_output.txt" "$expected" || fail "vb_output.txt differs from $expected"
echo "ok: ended with status 0, vb_output.txt as expected"

echo "== read without an input file"
missing="$work/missing"
mkdir "$missing"
start_program "$missing"
click Command1
wait_for_window '^File Error$' ||
  fail "no window titled File Error"
kill -0 "$app" 2>/dev/null || fail "the program ended after a failed read"
[ ! -e "$missing/vb_output.txt" ] || fail "a failed read wrote vb_output.txt"
stop_program
echo "ok: File Error shown, program still running"

echo "== a rejected DX, $reject_repeats time(s)"
for attempt in $(seq 1 "$reject_repeats"); do
  rejected="$work/rejected-$attempt"
  mkdir "$rejected"
  write_sample_input "$rejected"
  start_program "$rejected"
  click Command1
  click Text1
  wait_for_keyboard
  xdotool key ctrl+a
  xdotool type 1d1
  click Command2
  wait_for_window '^Macro Example$' ||
    fail "attempt $attempt: no window titled Macro Example (log: $(cat "$rejected/program.log"))"
  kill -0 "$app" 2>/dev/null || fail "attempt $attempt: the program ended after a rejected DX"
  [ ! -e "$rejected/vb_output.txt" ] || fail "attempt $attempt: a rejected DX wrote vb_output.txt"
  stop_program
done
echo "ok: Macro Example shown each time, program still running, nothing written"
