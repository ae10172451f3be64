# shellcheck shell=bash
# What the tools share, sourced by each: strict mode, the repository root as the working folder,
# one degree of parallelism for every build and test run, and the build folder of a preset. Every
# build is a preset of CMakePresets.json (cmake --list-presets lists them), whose base preset puts
# each in the folder build-<preset name>.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

# Builds and test runs take as many jobs at once as the machine has cores.
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
export CTEST_PARALLEL_LEVEL=${CTEST_PARALLEL_LEVEL:-$(nproc)}

# The build folder of a configure preset.
preset_dir() {
  echo "$PWD/build-$1"
}

# Every time stamp inside a package is the last commit's time, so that the same commit packs the
# same bytes whenever it is built.
use_commit_time() {
  if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null || echo 0)
  fi
  export SOURCE_DATE_EPOCH
}

# Installs a folder's npm tools exactly as its committed lockfile pins them, again whenever the
# lockfile changes.
npm_tools() {
  if [ ! "$1/node_modules/.package-lock.json" -nt "$1/package-lock.json" ]; then
    npm ci --prefix "$1" --no-audit --no-fund
  fi
}

# Writes the SHA256 sums of every file below a folder, named relative to it, into OUTPUT
# (default: SHA256SUMS in the folder itself, which is left out).
write_sums() {
  local folder=$1 output=${2:-$1/SHA256SUMS}
  output=$(realpath -m "$output")
  (cd "$folder" && find . -type f ! -path ./SHA256SUMS -printf '%P\n' | LC_ALL=C sort |
    xargs -d '\n' sha256sum >"$output")
}
