#!/usr/bin/env bash
# What the overlay sends to its window tick by tick, as changed rectangles past
# Qt's painting, adds up to the whole frame of the last tick.
source "$(dirname "$0")/lib.sh"

start_x 640x480
"$E2E_SHOWN" >"$E2E_TMP/shown.log" 2>&1 || fail "window differs from the whole frame: $(cat "$E2E_TMP/shown.log")"
pass "window holds the whole frame after 90 ticks ($(tail -1 "$E2E_TMP/shown.log"))"
