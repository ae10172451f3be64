#!/usr/bin/env bash
# Builds the whole test suite, the Qt front end and its tests included, with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs it (the preset asan). Any report fails the run: the build
# stops at the first finding instead of recovering. Leaks are checked at every program's exit, the
# game started by the end-to-end tests included; tools/lsan.supp names the few that belong to
# system libraries.
# shellcheck source=tools/lib.sh
source "$(dirname "$0")/lib.sh"

cmake --workflow --preset asan
