#!/usr/bin/env bash
# Installs the Debian 12 packages that Kordavelmix needs, and only those that are missing; quick
# when everything is present. "run" (the default for tools/run.sh) is what building and playing
# the game needs, "debian-package" that and the Debian packaging tools; "windows" what
# cross-building the Windows program needs, "windows-package" that and the MSI maker; "web" what
# building the site needs (Emscripten, and fonttools to cut its font), "web-test" that and
# Chromium with npm for its browser test; "test" adds to all of them the test tools: GoogleTest,
# Google Benchmark, clang with libFuzzer, a private X server with its tools, GNOME's settings with
# the gsettings command that turns their high contrast on and off, Wine, Chromium, the
# accessibility bus with its Python client and Orca, the desktop-file validators, the packaging
# tools, xmllint (which reads the Windows program's manifest), jq (with which the test scripts read
# facts.json) and diffoscope, which shows how two builds of a package differ.
set -euo pipefail

run_packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libcanberra-dev libasound2-dev libglib2.0-dev
  fonts-liberation sound-theme-freedesktop
)
debian_package_packages=(
  dpkg-dev file
)
windows_packages=(
  cmake ninja-build g++-mingw-w64-x86-64
)
windows_package_packages=(
  wixl msitools faketime uuid-runtime
)
web_packages=(
  cmake ninja-build emscripten fonttools python3-brotli fonts-liberation2
)
web_test_packages=(
  chromium
)
# npm comes with Debian's Node.js as a package of its own; a Node.js from elsewhere carries its own
# npm, and Debian's would conflict with it.
if ! command -v npm >/dev/null 2>&1; then
  web_test_packages+=(npm)
fi
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xdotool x11-utils xrestop imagemagick openbox sox libxml2-utils jq
  gsettings-desktop-schemas libglib2.0-bin
  desktop-file-utils appstream lintian weston qt6-wayland
  dbus-daemon at-spi2-core python3-pyatspi gir1.2-atspi-2.0 orca
  wine wine64
  diffoscope
)

case "${1:-test}" in
  run) packages=("${run_packages[@]}") ;;
  debian-package) packages=("${run_packages[@]}" "${debian_package_packages[@]}") ;;
  windows) packages=("${windows_packages[@]}") ;;
  windows-package) packages=("${windows_packages[@]}" "${windows_package_packages[@]}") ;;
  web) packages=("${web_packages[@]}") ;;
  web-test) packages=("${web_packages[@]}" "${web_test_packages[@]}") ;;
  test)
    packages=("${run_packages[@]}" "${debian_package_packages[@]}" "${windows_packages[@]}"
      "${windows_package_packages[@]}" "${web_packages[@]}" "${web_test_packages[@]}"
      "${test_packages[@]}")
    ;;
  *)
    echo "usage: $0 [run|debian-package|windows|windows-package|web|web-test|test]" >&2
    exit 2
    ;;
esac

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
