#!/usr/bin/env bash
# Set up and test: installs what is missing, configures, builds and runs every test; then the
# same suite again under AddressSanitizer and UndefinedBehaviorSanitizer; then each fuzz target
# for a bounded time. Exits non-zero on any failure, sanitizer report or fuzzing finding.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install_packages.sh

# A locale with a decimal comma, so the window tests prove that the user's regional settings
# never reach what is read or written.
if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
  fi
  "${sudo_cmd[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "note: could not make the de_DE locale"
fi

werror=OFF
if [ "${CI:-}" = "true" ]; then
  werror=ON
fi
export QT_QPA_PLATFORM=offscreen

echo "== build and test"
cmake -S . -B build -G Ninja -DPLESSARD_WERROR="$werror"
cmake --build build
ctest --test-dir build --output-on-failure --timeout 300

echo "== build and test under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DPLESSARD_WERROR="$werror" -DPLESSARD_BUILD_BENCH=OFF \
  -DPLESSARD_SANITIZE="address,undefined,float-cast-overflow"
cmake --build build-asan
ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" \
UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0" \
  ctest --test-dir build-asan --output-on-failure --timeout 600

echo "== fuzzing: every target for FUZZ_SECONDS (default 30) seconds"
scripts/fuzz.sh
