#!/usr/bin/env bash
# Builds the site and its test tools (tools/build-web.sh --tests) and measures one frame of the game
# in headless Chromium at a client area of 834 x 441, at device pixel ratios 1 and 2, beside a
# fill-and-copy floor of the same size (bench/web_frame.mjs). About half a minute.
# shellcheck source=tools/lib.sh
source "$(dirname "$0")/lib.sh"

tools/build-web.sh --tests >/dev/null
node bench/web_frame.mjs "$(preset_dir web-tests)/site"
