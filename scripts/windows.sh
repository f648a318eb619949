#!/usr/bin/env bash
# The Windows build: installs what is missing, cross-builds the window, the command-line tool and
# the test suites with Debian's mingw-w64 into build-windows/, and runs every test under wine
# (the window's in Xvfb, which also leaves build-windows/screenshots/win32_main_window.png).
# Exits non-zero on any failure. build-windows/plessard-macro-io.exe and plessard-macro.exe are
# single static executables that need no DLL beside them.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install_packages.sh --only cmake ninja-build g++-mingw-w64-x86-64 wine wine64 \
  googletest libcli11-dev libxml2-utils xvfb xdotool x11-utils imagemagick librsvg2-bin icoutils

build=build-windows
mkdir -p "$build"

# A wine prefix of its own, set before anything runs wine: the user's ~/.wine is neither touched
# nor relied on, and the tests and their discovery all see this one.
export WINEPREFIX="$PWD/$build/wine-prefix"
# shellcheck source=../tests/support/wine.sh
. tests/support/wine.sh
find_wine
trap '"$wineserver" -k >/dev/null 2>&1 || true' EXIT
prepare_wine_prefix

# shellcheck source=werror.sh
. scripts/werror.sh

echo "== cross-build for Windows (mingw-w64) into $build/"
# Optimised as a release build is, without debug information: the programs are shipped
# stripped, and under wine no debugger reads it, while it costs the build a fifth of its time.
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG" \
  -DPLESSARD_WERROR="$werror"
cmake --build "$build"

echo "== every test under wine"
ctest --test-dir "$build" --output-on-failure --timeout 300 -j "$(nproc)"

echo "Windows executables: $build/plessard-macro-io.exe (the window), $build/plessard-macro.exe"
echo "The window under wine: $build/screenshots/win32_main_window.png"
