#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, when they are missing.
# Sourced or run by run.sh and test.sh; extra package names may be passed as arguments, or
# "--only" and the names of the only packages wanted (scripts/windows.sh).
set -euo pipefail

if [ "${1:-}" = "--only" ]; then
  shift
  packages=("$@")
else
  packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libcli11-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-dejavu-core locales
    xvfb xdotool x11-utils openbox imagemagick
    dbus-daemon at-spi2-core python3-pyatspi
    clang libclang-rt-14-dev
    librsvg2-bin libxml2-utils python3-ezdxf
    "$@"
  )
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
  fi
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
fi
