#!/usr/bin/env bash
# Builds the Windows packages, installing what is missing first: the MSI installer
# build-windows/package/kordavelmix-<version>-win64.msi and the portable
# build-windows/package/kordavelmix-<version>-win64.zip.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh windows-package
tools/build-windows.sh >/dev/null
cmake --build build-windows --target windows_packages
ls -l build-windows/package/
