#!/usr/bin/env bash
# Set up and test.
#   ./test.sh         installs what is missing, builds into build/ and runs every test: the core,
#                     the window (headless), the command-line tool and the window end to end.
#   ./test.sh --all   the same, then the whole suite again under AddressSanitizer and
#                     UndefinedBehaviorSanitizer (build-asan/, clang), each fuzz target of that
#                     build for its time (scripts/fuzz.sh), and the release
#                     (scripts/release.sh): the Windows build tested under wine
#                     (build-windows/), its archive and the Debian
#                     package of the command-line tool in dist/, each checked; then the same
#                     programs signed with a throwaway certificate and key, and verified
#                     (scripts/release_signing_test.sh).
# Exits non-zero on any failure, sanitizer report or fuzzing finding. CI runs it with --all.
set -euo pipefail
cd "$(dirname "$0")"

all=false
case "${1:-}" in
  "") ;;
  --all) all=true ;;
  *) echo "usage: ./test.sh [--all]" >&2; exit 2 ;;
esac

scripts/install_packages.sh

# A locale with a decimal comma, so the tests prove that the user's regional settings never
# reach what is read or written.
if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
  fi
  "${sudo_cmd[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "note: could not make the de_DE locale"
fi

# shellcheck source=scripts/werror.sh
. scripts/werror.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

# Each stage says how long the one before it took, so a slow stage shows in the log.
stage_start=$SECONDS
stage() {
  echo "   (that took $((SECONDS - stage_start)) s)"
  stage_start=$SECONDS
  echo "== $*"
}

echo "== build and test"
# The benchmarks are no test: only the full run builds them, so that they keep compiling. The
# build is optimised as a release is, without the debug information no test reads, which would
# cost it a fifth of its time (build-asan/ keeps it, for the sanitizers' reports).
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG" \
  -DPLESSARD_WERROR="$werror" -DPLESSARD_BUILD_BENCH="$all" >/dev/null
cmake --build build
ctest --test-dir build --output-on-failure --timeout 300 -j"$jobs"

if ! $all; then
  exit 0
fi

# The full run tries the race of two writers of one file 300 times, not the quick run's 20.
export PLESSARD_RACES=300

stage "build and test under AddressSanitizer and UndefinedBehaviorSanitizer"
# Built by clang, which builds the fuzz targets too: the suite under the sanitizers and the
# fuzzing share one build of the core, and clang compiles it in half the time g++ takes (the
# ordinary build above is g++'s, so both compilers see every file).
cmake -S . -B build-asan -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DPLESSARD_WERROR="$werror" -DPLESSARD_BUILD_BENCH=OFF -DPLESSARD_FUZZ=ON \
  -DPLESSARD_SANITIZE="address,undefined,float-cast-overflow" >/dev/null
cmake --build build-asan
ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" \
UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0" \
  ctest --test-dir build-asan --output-on-failure --timeout 600 -j"$jobs"

stage "fuzzing: every target for its time (scripts/fuzz.sh), or FUZZ_SECONDS each"
FUZZ_BUILD=$PWD/build-asan scripts/fuzz.sh

stage "the release: the Windows build under wine, its archive, the Debian package"
scripts/release.sh

stage "the release signed with a throwaway certificate and key, and verified"
scripts/release_signing_test.sh
echo "   (that took $((SECONDS - stage_start)) s; ./test.sh --all took $SECONDS s)"
