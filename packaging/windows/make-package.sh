#!/usr/bin/env bash
# Makes one of the Windows packages from a staged folder, reproducibly: every file's time and
# every time recorded in the package are SOURCE_DATE_EPOCH (the last commit's time when it is not
# set), the files go in in a fixed order, and the MSI's package code follows from the version and
# that time, so that the same commit packs the same bytes whenever and wherever it is built.
#
#   make-package.sh msi STAGE WXS OUTPUT VERSION AUTHOR SUBJECT
#   make-package.sh zip STAGE FOLDER OUTPUT
#
# For the MSI, STAGE holds the files as the WiX source names them. For the zip, FOLDER is the one
# folder inside STAGE that the zip holds.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git -C "$here" log -1 --format=%ct 2>/dev/null || echo 0)
fi
export SOURCE_DATE_EPOCH
stamp=$(date -u -d "@$SOURCE_DATE_EPOCH" '+%Y-%m-%d %H:%M:%S')

kind=$1
stage=$2
find "$stage" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
case "$kind" in
  msi)
    wxs=$3 output=$4 version=$5 author=$6 subject=$7
    rm -f "$output"
    # wixl writes the clock's time into the summary information and a random package code; run
    # under a clock stopped at the commit's time, and given a package code of our own, it writes
    # neither.
    (cd "$stage" && faketime -f "@$stamp" wixl --arch x64 --output "$output" "$wxs")
    package_code=$(uuidgen --sha1 --namespace @oid \
      --name "kordavelmix package $version $SOURCE_DATE_EPOCH" | tr a-z A-Z)
    faketime -f "@$stamp" msibuild "$output" -s "$subject" "$author" 'x64;1033' "{$package_code}"
    ;;
  zip)
    folder=$3 output=$4
    rm -f "$output"
    # A zip holds local times: they are the commit's time in UTC (cmake's archive writer takes
    # SOURCE_DATE_EPOCH for every entry).
    (cd "$stage" && find "$folder" -type f | LC_ALL=C sort >"$stage.files" &&
      TZ=UTC cmake -E tar cf "$output" --format=zip --files-from="$stage.files")
    ;;
  *)
    echo "usage: $0 msi|zip ..." >&2
    exit 2
    ;;
esac
