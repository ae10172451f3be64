#!/usr/bin/env bash
# The Debian package's round trip: makes kordavelmix_<version>_<arch>.deb (tools/package-debian.sh),
# holds it to lintian, which must find no error and no warning, installs it with apt-get, plays the
# installed /usr/games/kordavelmix end to end on a private X server (without and with a window
# manager) and starts it natively on a Wayland compositor, then purges the package and checks that
# nothing of it is left. Needs root, or sudo.
# shellcheck source=tools/lib.sh
source "$(dirname "$0")/lib.sh"
# shellcheck source=tools/facts.sh
source tools/facts.sh

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  sudo=(sudo)
fi

tools/install-deps.sh test
# The sound player the X11 test compares the game's sounds with, from the test build.
cmake --preset test >/dev/null
cmake --build --preset test --target e2e_play_sound
build=$(preset_dir test)

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
    --sound-program "$build/tests/e2e/e2e_play_sound" --artifacts "$build/e2e-deb-$wm"
done
tests/e2e/run-wayland-e2e.sh --prefix /usr --artifacts "$build/e2e-deb-wayland"

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
