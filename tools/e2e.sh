#!/usr/bin/env bash
# The Debian package's round trip: builds the game, makes kordavelmix_<version>_<arch>.deb with
# CPack, installs it with apt-get, plays the installed /usr/bin/kordavelmix end to end on a
# private X server (without and with a window manager), then purges the package and checks that
# nothing of it is left. Needs root, or sudo.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build
app_id=io.github.kordavelmix.Kordavelmix

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  sudo=(sudo)
fi

tools/install-deps.sh
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" --target kordavelmix e2e_play_sound

packages=$(mktemp -d)
chmod a+rx "$packages"
installed=false
finish() {
  if $installed; then
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get purge -y -qq kordavelmix >/dev/null
  fi
  rm -rf "$packages"
}
trap finish EXIT

cpack --config "$build/CPackConfig.cmake" -B "$packages" >/dev/null
deb=$(echo "$packages"/kordavelmix_*.deb)
[ -f "$deb" ] || { echo "cpack made no package" >&2; exit 1; }
echo "Package: $deb"
dpkg-deb --field "$deb" Package Version Section Depends

DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "$deb"
installed=true
for wm in none openbox; do
  tests/e2e/run-e2e.sh --prefix /usr --wm "$wm" \
    --sound-program "$build/tests/e2e/e2e_play_sound" --artifacts "$build/e2e-deb-$wm"
done

DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get purge -y -qq kordavelmix >/dev/null
installed=false
for left in /usr/bin/kordavelmix /usr/share/kordavelmix "/usr/share/applications/$app_id.desktop" \
  "/usr/share/metainfo/$app_id.metainfo.xml"; do
  if [ -e "$left" ]; then
    echo "still there after the purge: $left" >&2
    exit 1
  fi
done
echo "Package round trip passed: installed, played, purged."
