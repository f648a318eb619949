#!/usr/bin/env bash
# Builds the libFuzzer targets with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-fuzz/ and runs each for a bounded time on a scratch copy of its committed seed corpus.
# Exits non-zero on any crash, leak, sanitizer report, broken property, timeout or memory blow-up;
# the input that caused it is left in build-fuzz/crashes/.
#
#   scripts/fuzz.sh                       every target for its own time (below), 135 s in all
#   FUZZ_SECONDS=300 scripts/fuzz.sh macro_check_fuzzer   a time for each target named
#
# A finding: build-fuzz/<target> build-fuzz/crashes/<file> replays it with the full report.
# Once fixed, the file goes into fuzz/corpus/<target>/ (the corpus replay tests of tests/fuzz/
# then run it on every test run) and its bytes into a test of the code that was at fault.
#
# Needs clang and the libFuzzer runtime (Debian: clang, libclang-rt-14-dev); installs nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
# FUZZ_BUILD: a build folder already configured with PLESSARD_FUZZ=ON and the sanitizers, whose
# targets are built there (./test.sh --all hands over build-asan/, where the whole suite ran);
# otherwise build-fuzz/, configured here with the fuzz targets alone.
build=${FUZZ_BUILD:-$root/build-fuzz}

all_targets=(input_file_fuzzer parameter_checks_fuzzer macro_check_fuzzer macro_round_trip_fuzzer
  macro_drawing_fuzzer fmt_fuzzer)
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=("${all_targets[@]}")
fi

# The longest input worth trying: past every field and line limit of its reader, well short of
# what slows a run down. The macro checker needs room for a few whole parts.
max_len() {
  case "$1" in
    input_file_fuzzer) echo 512 ;;
    parameter_checks_fuzzer) echo 256 ;;
    macro_check_fuzzer | macro_drawing_fuzzer) echo 8192 ;;
    macro_round_trip_fuzzer) echo 512 ;;
    fmt_fuzzer) echo 4 ;;
    *) echo "fuzz.sh: unknown target $1 (known: ${all_targets[*]})" >&2; exit 2 ;;
  esac
}
# The time goes where the corpora still grow. Runs of 30 s each found their last new feature
# at 41 % of the run (fmt, whose input is four bytes), 49 % (the parameter checks) and 75 % (the
# input reader), but at 95 % and more for the round trip, the checker and the drawings, which
# still grew when the time ran out.
seconds_for() {
  if [ -n "${FUZZ_SECONDS:-}" ]; then
    echo "$FUZZ_SECONDS"
    return
  fi
  case "$1" in
    fmt_fuzzer | parameter_checks_fuzzer) echo 5 ;;
    input_file_fuzzer) echo 15 ;;
    macro_round_trip_fuzzer) echo 30 ;;
    macro_check_fuzzer | macro_drawing_fuzzer) echo 40 ;;
  esac
}
for target in "${targets[@]}"; do
  max_len "$target" >/dev/null
done

if ! command -v clang++ >/dev/null; then
  echo "fuzz.sh: clang++ not found (Debian packages: clang libclang-rt-14-dev)" >&2
  exit 2
fi

# Warnings fail the build in CI, as they do in test.sh.
# shellcheck source=werror.sh
. scripts/werror.sh

if [ -z "${FUZZ_BUILD:-}" ]; then
  echo "== build the fuzz targets in build-fuzz/"
  CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DPLESSARD_FUZZ=ON \
    -DPLESSARD_WERROR="$werror" -DPLESSARD_BUILD_APP=OFF -DPLESSARD_BUILD_TESTS=OFF \
    -DPLESSARD_BUILD_BENCH=OFF -DPLESSARD_SANITIZE=address,undefined >/dev/null
elif ! grep -qx 'PLESSARD_FUZZ:BOOL=ON' "$build/CMakeCache.txt" 2>/dev/null; then
  echo "fuzz.sh: $build is not configured with PLESSARD_FUZZ=ON" >&2
  exit 2
fi
cmake --build "$build" --target "${targets[@]}"

crashes=$build/crashes
logs=$build/fuzz-logs
mkdir -p "$crashes" "$logs"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

# One target's run, into its log; its exit status is the fuzzer's.
fuzz() {
  local target=$1
  # libFuzzer adds what it finds to its first corpus folder: a scratch copy, so the committed
  # seeds stay as they are.
  local corpus=$scratch/$target
  cp -R "$root/fuzz/corpus/$target" "$corpus"
  local options=(
    -max_total_time="$(seconds_for "$target")" -timeout=10 -rss_limit_mb=2048
    -max_len="$(max_len "$target")"
    -artifact_prefix="$crashes/$target-" -print_final_stats=1
  )
  case "$target" in
    macro_check_fuzzer | macro_drawing_fuzzer) options+=(-dict="$root/fuzz/macro_file.dict") ;;
  esac
  "$build/$target" "${options[@]}" "$corpus" >"$logs/$target.log" 2>&1
}

# What a finished run found, or that it found nothing.
report() {
  local target=$1 status=$2 log=$logs/$1.log
  echo "== $target ran $(seconds_for "$target")s (log: ${log#"$root"/}): $(grep -E \
    '^stat::number_of_executed_units|^stat::peak_rss_mb' "$log" | tr '\n' ' ')"
  if [ "$status" -ne 0 ]; then
    echo "!! $target failed (exit $status):" >&2
    grep -E 'ERROR: |runtime error:|property violated:|SUMMARY: |Test unit written' "$log" >&2 ||
      tail -n 40 "$log" >&2
    failed+=("$target")
  fi
}

# A fuzzer keeps one core busy: the targets run as many at a time as there are cores, the
# longest first, so that the short ones fill in beside them.
mapfile -t targets < <(for target in "${targets[@]}"; do
  echo "$(seconds_for "$target") $target"
done | sort -rn -s -k1,1 | cut -d' ' -f2)
failed=()
running=()
for target in "${targets[@]}"; do
  while [ ${#running[@]} -ge "$(nproc)" ]; do
    wait -n -p done_pid && status=0 || status=$?
    for i in "${!running[@]}"; do
      if [ "${running[$i]%% *}" = "$done_pid" ]; then
        report "${running[$i]#* }" "$status"
        unset 'running[i]'
      fi
    done
    running=("${running[@]}")
  done
  echo "== $target for $(seconds_for "$target")s"
  fuzz "$target" &
  running+=("$! $target")
done
for entry in "${running[@]}"; do
  wait "${entry%% *}" && status=0 || status=$?
  report "${entry#* }" "$status"
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "fuzz.sh: failed: ${failed[*]}; inputs in ${crashes#"$root"/}/" >&2
  exit 1
fi
echo "fuzz.sh: every target ran its time without a finding"
