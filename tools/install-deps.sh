#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the tools need, and only
# those that are missing, so a repeated `make` stays quick and quiet.
# `install-deps.sh bench` adds what only the benchmarks need: a real X server
# without a screen, a window manager on it, input for the programs under it, and
# the X client headers.
# With package names as arguments it installs those instead (`make soak` names its own).
set -euo pipefail
packages=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-multimedia-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2 fonts-noto-color-emoji
  clang libclang-rt-14-dev
)
if [ "${1:-}" = bench ]; then
  packages+=(xvfb openbox xdotool libxcb1-dev)
elif [ $# -gt 0 ]; then
  packages=("$@")
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages need root: sudo make" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
