#!/usr/bin/env bash
# Set up and run: installs what is missing, builds the window and the command-line tool (a
# release build in build-release/, no tests) and starts the window. Without a display it does the
# main job headlessly with the command-line tool instead.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install_packages.sh

build=build-release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPLESSARD_BUILD_TESTS=OFF \
  -DPLESSARD_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target plessard-macro-io plessard-macro

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$build/plessard-macro-io"
fi

echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): writing, checking and drawing the macro file with $build/plessard-macro instead (for the window: xvfb-run -a $build/plessard-macro-io)."
cd "$build"
./plessard-macro write --input vb_input.txt --output vb_output.txt
./plessard-macro check vb_output.txt
./plessard-macro svg vb_output.txt -o vb_output.svg
echo "Written: $build/vb_output.txt (the macro file) and $build/vb_output.svg (its drawing)."
