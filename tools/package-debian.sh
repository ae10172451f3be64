#!/usr/bin/env bash
# Makes the Debian package, installing what is missing first:
# build-deb/package/kordavelmix_<version>_<arch>.deb. The build is laid out as Debian lays out
# games (the program in /usr/games, its data in /usr/share/kordavelmix) and compiled with Debian's
# own flags for packages, every hardening feature included.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh debian-package
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B build-deb -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_INSTALL_BINDIR=games -DKORDAVELMIX_TESTS=OFF \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  -DCMAKE_STRIP="$PWD/packaging/debian-strip.sh" >/dev/null
cmake --build build-deb -j"$(nproc)"
rm -rf build-deb/package
cpack --config build-deb/CPackConfig.cmake -B build-deb/package >/dev/null
ls build-deb/package/kordavelmix_*.deb
