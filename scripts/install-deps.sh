#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, run and test the viewer.
set -euo pipefail
packages=(
    build-essential cmake
    qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev
    libqt6svg6
    libgtest-dev googletest libbenchmark-dev
    fonts-dejavu-core
    xvfb xauth
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
