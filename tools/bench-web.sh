#!/usr/bin/env bash
# Builds the site and its test tools (tools/build-web.sh --tests) and measures it in Debian's
# Chromium, headless, each figure beside its goal: one frame at a client area of 834 x 441, at
# device pixel ratios 1 and 2, beside a fill-and-copy floor of the same size
# (bench/web_frame.mjs); a key on the board, from the event to the frame that shows it
# (bench/web_keys.mjs); what a first visit transfers, and the time from navigation to the first
# frame on a first and a repeat visit beside a bare page's (bench/web_load.mjs); and Lighthouse's
# scores under its mobile emulation (bench/web/lighthouse.mjs, with Lighthouse as
# bench/web/package-lock.json pins it). About a minute and a half.
# shellcheck source=tools/lib.sh
source "$(dirname "$0")/lib.sh"

tools/build-web.sh --tests >/dev/null
npm_tools bench/web
site="$(preset_dir web-tests)/site"
status=0
node bench/web_frame.mjs "$site" || status=1
echo
node bench/web_keys.mjs "$site" || status=1
echo
node bench/web_load.mjs "$site" || status=1
echo
node bench/web/lighthouse.mjs "$site" || status=1
exit $status
