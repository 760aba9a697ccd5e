#!/usr/bin/env bash
# The native Wayland overlay on a scale-2 output, with default settings: one
# frame and then no commit at all while nothing moves; the grid is drawn at
# device resolution, each line two device pixels wide with sharp edges. Then
# without an X server: the controls come up on Qt's Wayland platform and the
# overlay is still the layer surface.
source "$(dirname "$0")/wayland-lib.sh"

start_sway "output HEADLESS-1 scale 2"
start_native_solid '#ffffff'
start_wayland_driver
swaymsg '[app_id=e2e-solid-window] fullscreen enable' >/dev/null

driver on
wait_for 10 committed_at_least 2 || fail "no frame committed after switching on"
[[ $(surfaces) == "surface HEADLESS-1 640 360 2" ]] || fail "surfaces: $(surfaces)"
grep -qE ' -> wl_surface@[0-9]+\.set_buffer_scale\(2\)' "$E2E_TMP/driver.err" ||
    fail "the buffer scale is not 2"
sleep 2
[[ $(commits) == 2 ]] || fail "$(commits) commits with defaults; expected the configure one and one frame"
pass "defaults: one frame, then no commit"

# Lines every 6.5 points: at device resolution each lies on whole device
# pixels; drawn at half resolution and doubled, every other one would smear
# over four device pixels at half strength.
ask "set gridSize 6.5" "ok set"
ask "set gridOpacity 1" "ok set"
sleep 1
shot "$E2E_TMP/scale.png" HEADLESS-1
cp "$E2E_TMP/scale.png" "${E2E_ARTIFACTS:-$E2E_TMP}/wayland-scale-2.png" 2>/dev/null || true
[[ $(identify -format '%wx%h' "$E2E_TMP/scale.png") == 1280x720 ]] || fail "screenshot size"
row=$(convert "$E2E_TMP/scale.png" -crop 520x1+380+359 -colorspace gray -depth 8 txt:- |
    sed -n 's/^\([0-9]*\),0: (\([0-9]*\).*/\1 \2/p')
runs=$(awk '{ v = $2 + 0
              if (v > 64 && v < 191) { print "blurred at x=" $1 + 380 ": " v; exit }
              if (v <= 64) dark++
              else if (dark) { print dark; dark = 0 } }' <<<"$row" | sort | uniq -c)
[[ $runs =~ ^\ *[0-9]+\ 2$ ]] || fail "grid lines in a row of the device-pixel screenshot: $runs"
pass "grid lines are two device pixels wide and sharp on a scale-2 output ($(awk '{print $1}' <<<"$runs") lines)"

driver quit
wait "$DRIVER_PID" || fail "driver exited with $?"

# (Qt's own connection would log its requests too: no WAYLAND_DEBUG here.)
start_wayland_driver DISPLAY= WAYLAND_DEBUG=
wait_for 10 sh -c "swaymsg -t get_tree | jq -e '.. | objects | select(.app_id? == \"e2e-overlay-driver\")'" ||
    fail "the controls did not come up as a native window"
driver on
wait_for 10 surface_count_is 1 || fail "no overlay surface without an X server"
[[ -z $(grep retroglimmer: "$E2E_TMP/driver.err") ]] || fail "complaint: $(cat "$E2E_TMP/driver.err")"
pass "without an X server: controls on Qt's Wayland platform, overlay on the layer surface"
driver quit
wait "$DRIVER_PID" || fail "driver exited with $?"
