#!/usr/bin/env bash
# Set up and test: installs what is missing, configures, builds and runs every test.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install_packages.sh

werror=OFF
if [ "${CI:-}" = "true" ]; then
  werror=ON
fi

cmake -S . -B build -G Ninja -DPLESSARD_WERROR="$werror"
cmake --build build
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure --timeout 300
