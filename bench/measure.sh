#!/usr/bin/env bash
# Measures what docs/performance.md reports: the window's start to first paint (median of runs,
# and its ratio to a bare Qt window's, the two started by turns) and its peak memory, the 10 x 10
# file written by the command-line tool as a whole process against cp of a file of the same
# size, and the core benchmarks.
#   bench/measure.sh           (builds build-measure/, a release build whose window and a bare Qt
#                               window report their first paint; needs Xvfb for the window figures)
#   bench/measure.sh --window  the window figures alone
# MEASURE_WINDOW_RUNS (default 25) runs of each window; MEASURE_RUNS (default 9) for the rest;
# MEASURE_WINDOW, the window of another measuring build to measure instead (a before and after).
set -euo pipefail
cd "$(dirname "$0")/.."
window_only=false
case "${1:-}" in
  "") ;;
  --window) window_only=true ;;
  *) echo "usage: bench/measure.sh [--window]" >&2; exit 2 ;;
esac
build=build-measure
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPLESSARD_BUILD_TESTS=OFF \
  -DPLESSARD_STARTUP_REPORT=ON >/dev/null
cmake --build "$build" >/dev/null
runs=${MEASURE_RUNS:-9}
window_runs=${MEASURE_WINDOW_RUNS:-25}
# A scratch folder `work` and the list `pids`, both cleaned up however the script ends.
# shellcheck source=../tests/support/e2e.sh
. tests/support/e2e.sh

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
now_ns() { date +%s%N; }

# first_paint NAME PROGRAM [ARGUMENTS]: starts a window, waits for its report of the first paint
# and ends it; appends to $work/NAME.ms the time from the start, to NAME.cpu the processor time
# the window took until then (both in ms), and to NAME.kib its peak resident memory.
first_paint() {
  local name=$1 start app painted
  shift
  # Emptied first: the last window's report must not pass for this one's.
  : >"$work/report"
  start=$(now_ns)
  QT_QPA_PLATFORM=xcb "$@" 2>"$work/report" &
  app=$!
  local deadline=$((SECONDS + 60))
  until grep -q first-paint-cpu "$work/report"; do
    kill -0 "$app" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ] || break
    sleep 0.01
  done
  painted=$(awk '/first-paint-unix-ns/ { print $2 }' "$work/report")
  [ -n "$painted" ] || { echo "no first paint reported by $*: $(cat "$work/report")"; exit 1; }
  awk -v ns=$((painted - start)) 'BEGIN { printf "%.1f\n", ns / 1e6 }' >>"$work/$name.ms"
  awk '/first-paint-cpu-us/ { printf "%.1f\n", $2 / 1e3 }' "$work/report" >>"$work/$name.cpu"
  awk '/VmHWM/ { print $2 }' "/proc/$app/status" >>"$work/$name.kib"
  kill "$app"
  wait "$app" 2>/dev/null || true
}
# The median of a window's figures of one kind, and all of them.
figures() {
  echo "median $(median <"$1") ms (runs: $(tr '\n' ' ' <"$1"))"
}
ratio() {
  awk -v a="$(median <"$1")" -v b="$(median <"$2")" 'BEGIN { printf "%.2f", a / b }'
}

echo "== window: start to first paint against bare Qt windows', by turns ($window_runs runs each)"
if command -v Xvfb >/dev/null; then
  # shellcheck source=../tests/support/xvfb.sh
  . tests/support/xvfb.sh
  start_xvfb "$work"
  pids+=("$xvfb_pid")
  cp "${MEASURE_WINDOW:-$build/plessard-macro-io}" "$work/plessard-macro-io"
  cp "$build/bare_window" "$work/"
  # The bare windows: one with a line of text, which pays for the fonts and the style as every
  # window with text does, and an empty one, which pays for neither.
  for _ in $(seq 1 "$window_runs"); do
    first_paint text "$work/bare_window" --text
    first_paint window "$work/plessard-macro-io"
    first_paint empty "$work/bare_window"
  done
  # Processor time leaves out the waits for a busy machine's other work.
  for kind in ms cpu; do
    [ "$kind" = ms ] && echo "start to first paint:" || echo "processor time to first paint:"
    echo "  the program:              $(figures "$work/window.$kind")"
    echo "  a bare window with text:  $(figures "$work/text.$kind")"
    echo "  an empty bare window:     $(figures "$work/empty.$kind")"
    echo "  ratios of the medians: $(ratio "$work/window.$kind" "$work/text.$kind") to the window" \
      "with text, $(ratio "$work/window.$kind" "$work/empty.$kind") to the empty one"
  done
  echo "peak resident memory: median $(($(median <"$work/window.kib") / 1024)) MiB"
else
  echo "Xvfb not installed: window figures skipped"
fi
if $window_only; then
  exit 0
fi

echo "== the 10 x 10 file, whole process, $((runs * 20)) runs"
cp examples/vb_input.txt "$work/vb_input.txt"
count=$((runs * 20))
start=$(now_ns)
for _ in $(seq 1 "$count"); do
  "$build/plessard-macro" write --input "$work/vb_input.txt" --output "$work/vb_output.txt" \
    --nx 10 --ny 10
done
write_us=$((($(now_ns) - start) / count / 1000))
head -c "$(stat -c %s "$work/vb_output.txt")" /dev/zero >"$work/same_size.txt"
start=$(now_ns)
for _ in $(seq 1 "$count"); do
  cp "$work/same_size.txt" "$work/copy.txt"
done
cp_us=$((($(now_ns) - start) / count / 1000))
echo "plessard-macro write (1,408 lines, $(stat -c %s "$work/vb_output.txt") bytes): ${write_us} us a run; cp of the same size: ${cp_us} us"

echo "== core benchmarks"
"$build/core_bench" --benchmark_min_time=0.5 2>/dev/null | grep -E '^BM_|^Benchmark|^-'
