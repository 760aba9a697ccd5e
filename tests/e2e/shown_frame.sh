#!/usr/bin/env bash
# What the overlay sends to its window tick by tick, as changed rectangles past
# Qt's painting, adds up to the whole frame of the last tick: from memory shared
# with the X server, and as image data where the server has no MIT-SHM (as a
# remote one would not).
source "$(dirname "$0")/lib.sh"

how="from shared memory"
[[ ${1:-} != without-shm ]] || { E2E_XVFB_ARGS="-extension MIT-SHM" how="as image data"; }
start_x 640x480
"$E2E_SHOWN" >"$E2E_TMP/shown.log" 2>&1 ||
    fail "$how: window differs from the whole frame: $(cat "$E2E_TMP/shown.log")"
pass "$how: window holds the whole frame after 90 ticks ($(tail -1 "$E2E_TMP/shown.log"))"
[[ ${1:-} == without-shm ]] || bash "$0" without-shm
