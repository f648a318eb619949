# Sourced by the end-to-end scripts: a scratch folder `work`, the list `pids` of processes the
# script starts (each is ended, and the folder removed, however the script ends), and `fail`.
# For the window's scripts, which set `app` to the program they started and `step_seconds`:
# the sample input, the centres of the controls, and the waits for windows and the program.
work=$(mktemp -d)
pids=()
end_e2e() {
  for pid in "${pids[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  for pid in "${pids[@]}"; do
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap end_e2e EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

e2e_data=$(cd "$(dirname "${BASH_SOURCE[0]}")/../data" && pwd)

# Puts the sample vb_input.txt (10, 4, 8, 3, 1, 0.5 on three lines with CR LF) into a folder.
write_sample_input() {
  cp "$e2e_data/vb_input.txt" "$1/vb_input.txt"
}

# The centres of the window's controls in pixels of the client area, as the layout table places
# them: load_centres runs a command that prints "NAME X Y" a line (the test program
# control_centres), and centre_x[NAME], centre_y[NAME] hold them.
declare -A centre_x=() centre_y=()
load_centres() {
  local name x y
  while read -r name x y; do
    centre_x[$name]=$x
    centre_y[$name]=$y
  done < <("$@" | tr -d '\r')
  [ -n "${centre_x[Command1]:-}" ] || fail "no control centres from $*"
}

# Runs the command until it succeeds, for at most step_seconds of the clock (a loaded machine
# makes each try slower, not the bound shorter); returns non-zero when it never did.
wait_until() {
  local deadline=$((SECONDS + step_seconds))
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

# Sets `shown` to the ids of the visible windows titled $1 (an extended regular expression), one
# a line. xdotool ends at an X error when a window goes while it looks at it (a program ending,
# or wine replacing a window it made at start): that look fails, and the next one is new.
look_for_windows() {
  shown=$(xdotool search --onlyvisible --name "$1" 2>"$work/search.err") && return 0
  ! grep -q 'X Error' "$work/search.err"
}
window_shows() {
  look_for_windows "$1" && [ -n "$shown" ] && shown=$(head -n 1 <<<"$shown")
}
no_window_shows() {
  look_for_windows "$1" && [ -z "$shown" ]
}

# Waits until a window titled $1 shows and sets `shown` to it.
wait_for_window() {
  wait_until window_shows "$1"
}

# Waits until no window titled $1 shows: a program that was ended leaves nothing that the next
# one's search could find.
wait_for_no_window() {
  wait_until no_window_shows "$1"
}

# Waits for the program `app` to end and sets `status` to its exit status; returns non-zero
# when it is still running by then.
app_ended() {
  ! kill -0 "$app" 2>/dev/null
}
wait_for_end() {
  status=
  wait_until app_ended || return 1
  wait "$app" && status=0 || status=$?
}
