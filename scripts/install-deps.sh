#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build and the tests need and is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev libxcb1-dev
  libgtest-dev
  libbenchmark-dev clang-14 libclang-rt-14-dev llvm-14
  xvfb openbox xdotool x11-utils imagemagick faketime fonts-noto-cjk
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
"${as_root[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
