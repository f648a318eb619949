#!/usr/bin/env bash
# Measures what docs/performance.md reports: the window's start to first paint (median of runs)
# and its peak memory, the 10 x 10 file written by the command-line tool as a whole process
# against cp of a file of the same size, and the core benchmarks.
#   bench/measure.sh      (builds build-measure/, a release build whose window reports its first
#                          paint; needs Xvfb for the window figures)
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-measure
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPLESSARD_BUILD_TESTS=OFF \
  -DPLESSARD_STARTUP_REPORT=ON >/dev/null
cmake --build "$build" >/dev/null
runs=${MEASURE_RUNS:-9}
# A scratch folder `work` and the list `pids`, both cleaned up however the script ends.
# shellcheck source=../tests/support/e2e.sh
. tests/support/e2e.sh

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
now_ns() { date +%s%N; }

echo "== window: start to first paint, peak memory ($runs runs)"
if command -v Xvfb >/dev/null; then
  # shellcheck source=../tests/support/xvfb.sh
  . tests/support/xvfb.sh
  start_xvfb "$work"
  pids+=("$xvfb_pid")
  display=$DISPLAY
  cp "$build/plessard-macro-io" "$work/"
  : >"$work/paint_ms"
  : >"$work/peak_kib"
  for _ in $(seq 1 "$runs"); do
    start=$(now_ns)
    DISPLAY=$display QT_QPA_PLATFORM=xcb PLESSARD_STARTUP_REPORT=1 "$work/plessard-macro-io" \
      2>"$work/report" &
    app=$!
    for _ in $(seq 1 1000); do
      grep -q first-paint "$work/report" && break
      sleep 0.01
    done
    painted=$(awk '/first-paint-unix-ns/ { print $2 }' "$work/report")
    [ -n "$painted" ] || { echo "no first paint reported"; exit 1; }
    echo $(((painted - start) / 1000000)) >>"$work/paint_ms"
    awk '/VmHWM/ { print $2 }' "/proc/$app/status" >>"$work/peak_kib"
    kill "$app"
    wait "$app" 2>/dev/null || true
  done
  echo "start to first paint: median $(median <"$work/paint_ms") ms (runs: $(tr '\n' ' ' <"$work/paint_ms"))"
  echo "peak resident memory: median $(($(median <"$work/peak_kib") / 1024)) MiB"
else
  echo "Xvfb not installed: window figures skipped"
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
