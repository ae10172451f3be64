#!/usr/bin/env bash
# Builds the Windows packages, installing what is missing first: the MSI installer
# kordavelmix-<version>-win64.msi and the portable kordavelmix-<version>-win64.zip, in package/ of
# the preset windows's build folder (or of the build folder given), with their SHA256SUMS. The
# same commit gives the same bytes: every time stamp in them is the last commit's time.
#
#   tools/package-windows.sh [BUILD_DIR]
# shellcheck source=tools/lib.sh
source "$(dirname "$0")/lib.sh"

tools/install-deps.sh windows-package
use_commit_time
build=${1:-$(preset_dir windows)}
cmake --preset windows -B "$build" >/dev/null
cmake --build "$build" --target windows_packages
write_sums "$build/package"
ls -l "$build/package/"
