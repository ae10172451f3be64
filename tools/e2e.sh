#!/usr/bin/env bash
# The Debian package's round trip: makes kordavelmix_<version>_<arch>.deb (tools/package-debian.sh),
# holds it to lintian, which must find no error and no warning, installs it with apt-get, plays the
# installed /usr/games/kordavelmix end to end on a private X server (without and with a window
# manager) and starts it natively on a Wayland compositor, then purges the package and checks that
# nothing of it is left. Needs root, or sudo.
set -euo pipefail
cd "$(dirname "$0")/.."

app_id=io.github.kordavelmix.Kordavelmix

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  sudo=(sudo)
fi

tools/install-deps.sh
# The sound player the X11 test compares the game's sounds with.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target e2e_play_sound

deb=$(tools/package-debian.sh | tail -1)
[ -f "$deb" ] || { echo "no package was made" >&2; exit 1; }
echo "Package: $deb"
dpkg-deb --field "$deb" Package Version Section Depends Recommends
echo "lintian:"
lintian --display-info --fail-on error,warning "$deb"
echo "lintian: no error and no warning"

installed=false
finish() {
  if $installed; then
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get purge -y -qq kordavelmix >/dev/null
  fi
}
trap finish EXIT

DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
  "$(realpath "$deb")"
installed=true
for wm in none openbox; do
  tests/e2e/run-e2e.sh --prefix /usr --wm "$wm" \
    --sound-program build/tests/e2e/e2e_play_sound --artifacts "build/e2e-deb-$wm"
done
tests/e2e/run-wayland-e2e.sh --prefix /usr --artifacts build/e2e-deb-wayland

DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get purge -y -qq kordavelmix >/dev/null
installed=false
for left in /usr/games/kordavelmix /usr/share/kordavelmix /usr/share/doc/kordavelmix \
  /usr/share/man/man6/kordavelmix.6.gz "/usr/share/applications/$app_id.desktop" \
  "/usr/share/metainfo/$app_id.metainfo.xml"; do
  if [ -e "$left" ]; then
    echo "still there after the purge: $left" >&2
    exit 1
  fi
done
echo "Package round trip passed: lintian-clean, installed, played, purged."
