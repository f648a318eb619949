#!/usr/bin/env bash
# The Windows build: installs what is missing, cross-builds the window, the command-line tool and
# the test suites with Debian's mingw-w64 into build-windows/, and runs every test under wine
# (the window's in Xvfb, which also leaves build-windows/screenshots/win32_main_window.png).
# Exits non-zero on any failure. build-windows/plessard-macro-io.exe and plessard-macro.exe are
# single static executables that need no DLL beside them.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install_packages.sh --only cmake ninja-build g++-mingw-w64-x86-64 wine wine64 \
  googletest libcli11-dev libxml2-utils xvfb xdotool imagemagick

build=build-windows
mkdir -p "$build"

# A wine prefix of its own, set before anything runs wine: the user's ~/.wine is neither touched
# nor relied on, and the tests and their discovery all see this one.
export WINEPREFIX="$PWD/$build/wine-prefix"
export WINEDEBUG=-all
# A fresh prefix would otherwise offer to install Mono and Gecko, which nothing here needs.
export WINEDLLOVERRIDES="mscoree,mshtml="

wine=/usr/lib/wine/wine64
if [ ! -x "$wine" ]; then
  wine=$(command -v wine64 || command -v wine)
fi
wineserver=/usr/lib/wine/wineserver
if [ ! -x "$wineserver" ]; then
  wineserver=$(command -v wineserver)
fi

# One persistent wineserver for the whole run, rather than one started and awaited per test.
mkdir -p "$WINEPREFIX"
"$wineserver" -p
trap '"$wineserver" -k >/dev/null 2>&1 || true' EXIT

# Wine's helper processes (services, device drivers) start with the first program and live as
# long as the server. Started here, with their output on /dev/null, they never inherit a test's
# pipes, which ctest would otherwise wait on until the server ends.
"$wine" wineboot --init >/dev/null 2>&1
# Where no window manager runs, wine waits 2 s at every window close for one to answer.
# Unmanaged windows close at once; the tests never need a window manager.
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1

werror=OFF
if [ "${CI:-}" = "true" ]; then
  werror=ON
fi

echo "== cross-build for Windows (mingw-w64) into $build/"
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DPLESSARD_WERROR="$werror"
cmake --build "$build"

echo "== every test under wine"
ctest --test-dir "$build" --output-on-failure --timeout 300 -j "$(nproc)"

echo "Windows executables: $build/plessard-macro-io.exe (the window), $build/plessard-macro.exe"
echo "The window under wine: $build/screenshots/win32_main_window.png"
