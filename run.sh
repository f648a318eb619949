#!/usr/bin/env bash
# Set up and run: installs what is missing, configures, builds and starts the program.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install_packages.sh

cmake -S . -B build -G Ninja
cmake --build build

if [ -x build/plessard-macro-io ]; then
  exec build/plessard-macro-io
fi
echo "The window is not built yet; the core library and its tests are in build/."
