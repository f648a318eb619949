# Sourced by the end-to-end scripts: a scratch folder `work`, the list `pids` of processes the
# script starts (each is ended, and the folder removed, however the script ends), and `fail`.
# For the window's scripts, which set `app` to the program they started and `step_seconds`:
# the sample input, the centres of the two buttons, and the wait for the program to end.
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

# The middle of a control along one axis, in pixels of the client area, from its place and size
# in twips (15 twips a pixel).
twips_centre() {
  echo $((($1 + $2 / 2) / 15))
}

# Command1 3840,360 3735x375; Command2 3840,3000 3735x375.
read_x=$(twips_centre 3840 3735)
read_y=$(twips_centre 360 375)
create_x=$(twips_centre 3840 3735)
create_y=$(twips_centre 3000 375)

# Waits up to step_seconds for the program `app` to end and sets `status` to its exit status;
# returns non-zero when it is still running by then.
wait_for_end() {
  status=
  for _ in $(seq 1 $((step_seconds * 10))); do
    if ! kill -0 "$app" 2>/dev/null; then
      wait "$app" && status=0 || status=$?
      return 0
    fi
    sleep 0.1
  done
  return 1
}
