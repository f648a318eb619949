# Sourced by the scripts that need an X server of their own:
#   start_xvfb WORK_FOLDER
# starts Xvfb on a display number it picks itself (so tests running side by side never meet on
# one), exports DISPLAY, and sets xvfb_pid for the caller's cleanup. Returns non-zero with the
# server's own words when it does not answer within thirty seconds.
start_xvfb() {
  local number_file=$1/xvfb.display log=$1/xvfb.log number
  : >"$number_file"
  # -noreset: by default the server starts over whenever its last client leaves, and a program
  # that connects just then is turned away ("could not connect to display").
  Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp -noreset >"$number_file" 2>"$log" &
  xvfb_pid=$!
  local deadline=$((SECONDS + 30))
  while [ "$SECONDS" -lt "$deadline" ]; do
    # The number is whole, and the server up, once a client gets an answer on that display.
    number=$(tr -dc '0-9' <"$number_file")
    if [ -n "$number" ] && DISPLAY=":$number" xdotool getdisplaygeometry >/dev/null 2>&1; then
      export DISPLAY=":$number"
      return 0
    fi
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  echo "Xvfb did not start: $(cat "$log")" >&2
  return 1
}
