#!/usr/bin/env bash
# The overlay on a real X server with a compositor and a window manager: no
# panel until switched on; alpha-blended exactly as the renderer's own frame
# over the window below; clicks pass through; stays above a full-screen window
# mapped later; switching off removes every panel.
source "$(dirname "$0")/lib.sh"

start_x 1280x720
start_tray
SETTINGS=(tintOpacity=0.5 tintHue=0.6 gridOpacity=0.4 scanlineOpacity=0.6 gridSize=6)
write_settings "${SETTINGS[@]}"
start_solid '#3060c0' 100 100 900 500
BELOW_LOG=$SOLID_LOG

start_driver
[[ $(panels) == 0 ]] || fail "a panel exists before the overlay is switched on"
[[ $(x_overlay_windows) == 0 ]] || fail "an overlay window is mapped at start"
pass "no panel at start"

driver on
wait_overlay_windows 1 || fail "no overlay window after switching on"
[[ $(panels) == 1 ]] || fail "expected one panel"
grep -q "panel 0 0 1280 720" "$E2E_TMP/panels" || fail "panel geometry: $(cat "$E2E_TMP/panels")"
sleep 1

# Pixels: compare with the renderer's own frame blended over the window below.
frame_args=()
for kv in "${SETTINGS[@]}"; do frame_args+=(--set "$kv"); done
"$E2E_FRAME" --size 1280x720 --time 0 "${frame_args[@]}" --output "$E2E_TMP/frame.png"
screenshot "$E2E_TMP/shot.png"
checked=0
for spot in "400 300" "401 301" "703 455" "150 560" "990 500"; do
    read -r x y <<<"$spot"
    expected=$(blended "$E2E_TMP/frame.png" "$x" "$y" "48 96 192")
    actual=$(pixel "$E2E_TMP/shot.png" "$x" "$y")
    close_to "$actual" "$expected" 3 || fail "pixel $x,$y is $actual, expected $expected"
    checked=$((checked + 1))
done
pass "overlay blends over the window below ($checked pixels within 3 levels)"
cp "$E2E_TMP/shot.png" "${E2E_ARTIFACTS:-$E2E_TMP}/overlay-on-screen.png" 2>/dev/null || true

# Clicks reach the window below.
xdotool mousemove 500 400 click 1
wait_for 5 grep -q "click 500 400" "$BELOW_LOG" || fail "click did not reach the window below"
pass "click passes through the overlay"

# A full-screen window mapped later stays below the overlay.
start_solid '#c03030' 0 0 640 480 fullscreen
FULL_LOG=$SOLID_LOG
sleep 1
screenshot "$E2E_TMP/full.png"
actual=$(pixel "$E2E_TMP/full.png" 400 300)
close_to "$actual" "192 48 48" 2 && fail "full-screen window covers the overlay ($actual)"
expected=$(blended "$E2E_TMP/frame.png" 400 300 "192 48 48")
close_to "$actual" "$expected" 3 || fail "over the full-screen window: $actual, expected $expected"
xdotool mousemove 640 360 click 1
wait_for 5 grep -q "click 640 360" "$FULL_LOG" || fail "click did not reach the full-screen window"
pass "overlay stays above a full-screen window mapped later"

# Raising a managed window does not put it above the overlay either.
xdotool search --name '^e2e-solid$' | while read -r id; do xdotool windowraise "$id"; done
sleep 1
screenshot "$E2E_TMP/raised.png"
close_to "$(pixel "$E2E_TMP/raised.png" 400 300)" "$actual" 3 ||
    fail "a raised window covers the overlay ($(pixel "$E2E_TMP/raised.png" 400 300))"
pass "overlay stays above a window raised later"

driver off
wait_overlay_windows 0 || fail "overlay window still mapped after switching off"
[[ $(panels) == 0 ]] || fail "panels left after switching off"
pass "switching off removes every panel"
quit_driver
