#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Kordavelmix need, and only
# those that are missing. Quick when everything is present.
set -euo pipefail

packages=(
  g++ make cmake pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libcanberra-dev libasound2-dev
  fonts-liberation sound-theme-freedesktop
  clang libclang-rt-14-dev
  xvfb xauth
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
  "${missing[@]}"
