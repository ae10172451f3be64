#!/usr/bin/env bash
# Makes the Debian package, installing what is missing first: kordavelmix_<version>_<arch>.deb in
# package/ of the preset deb's build folder (or of the build folder given), with its SHA256SUMS,
# and prints its path last. The build is laid out as Debian lays out games (the program in
# /usr/games, its data in /usr/share/kordavelmix) and compiled with Debian's own flags for
# packages, every hardening feature included. The same commit gives the same bytes: every time
# stamp in it is the last commit's time.
#
#   tools/package-debian.sh [BUILD_DIR]
# shellcheck source=tools/lib.sh
source "$(dirname "$0")/lib.sh"

tools/install-deps.sh debian-package
use_commit_time
build=${1:-$(preset_dir deb)}
# Debian's flags for packages, every hardening feature included, in the environment, where the
# preset takes them from.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
eval "$(dpkg-buildflags --export=sh)"
cmake --preset deb -B "$build" >/dev/null
cmake --build "$build"
rm -rf "$build/package"
cpack --config "$build/CPackConfig.cmake" -B "$build/package" >/dev/null
rm -rf "$build/package/_CPack_Packages"
write_sums "$build/package"
ls "$build"/package/kordavelmix_*.deb
