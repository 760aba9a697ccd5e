#!/usr/bin/env bash
# The overlay on a real X server with a compositor and a window manager: no
# panel until switched on; alpha-blended exactly as the renderer's own frame
# over the window below; clicks pass through; stays above a full-screen window
# mapped later and a window raised later; switching off removes every panel.
# A window that raises itself whenever its place in the stack changes (as
# screen lockers do) is soon left on top, said once, at next to no CPU.
source "$(dirname "$0")/lib.sh"

start_x 1280x720
start_tray
SETTINGS=(tintOpacity=0.5 tintHue=0.6 gridOpacity=0.4 scanlineOpacity=0.6 gridSize=6)
write_settings "${SETTINGS[@]}"
start_solid '#3060c0' 100 100 900 500
BELOW_LOG=$SOLID_LOG
E2E_SOLID=$E2E_RAISER start_solid '#e0e020' 1060 610 200 100
RAISER_LOG=$SOLID_LOG
raiser=$(xdotool search --name '^e2e-self-raiser$' | head -1)

start_driver
overlay_count_is 0 || fail "an overlay window exists before the overlay is switched on"
driver on
overlays_are 1280x720+0+0
sleep 1

raises=$(grep -c raise "$RAISER_LOG")
cpu=$(cpu_percent "$DRIVER_PID" 5)
more=$(($(grep -c raise "$RAISER_LOG") - raises))
((raises >= 10)) || fail "the window raised itself only $raises times: no contest to settle"
awk -v c="$cpu" 'BEGIN { exit !(c < 2) }' || fail "the program used $cpu % of a core"
((more < 20)) || fail "the window raised itself $more times more in 5 s"
said_once 'keeps raising itself' "$E2E_TMP/driver.err" "yielding"
grep 'keeps raising itself' "$E2E_TMP/driver.err" | grep -qi "$(printf '0x%x' "$raiser").*e2e-self-raiser.*SelfRaiser" ||
    fail "stderr does not name the window: $(cat "$E2E_TMP/driver.err")"
pass "contest settled after $raises raises, then $cpu % of a core and $more raises in 5 s; said once"

frame 1280x720 "$E2E_TMP/frame.png" "${SETTINGS[@]}"
screenshot "$E2E_TMP/shot.png" overlay-on-screen.png
expect_blend "$E2E_TMP/shot.png" "$E2E_TMP/frame.png" "48 96 192" "400 300" "401 301" "703 455" "150 560" "990 500"
pass "overlay blends over the window below"

xdotool mousemove 500 400 click 1
wait_for 5 grep -q "click 500 400" "$BELOW_LOG" || fail "click did not reach the window below"
pass "click passes through the overlay"

# Mapped later, a full-screen window goes below the overlay, which stays below
# the window it yielded to.
start_solid '#c03030' 0 0 640 480 fullscreen
FULL_LOG=$SOLID_LOG
sleep 1
screenshot "$E2E_TMP/full.png"
expect_blend "$E2E_TMP/full.png" "$E2E_TMP/frame.png" "192 48 48" "400 300"
close_to "$(pixel "$E2E_TMP/full.png" 1160 660)" "224 224 32" 0 ||
    fail "the self-raising window is covered: $(pixel "$E2E_TMP/full.png" 1160 660)"
xdotool mousemove 640 360 click 1
wait_for 5 grep -q "click 640 360" "$FULL_LOG" || fail "click did not reach the full-screen window"
pass "overlay stays above a full-screen window mapped later, the self-raising window above both"

xdotool search --name '^e2e-solid$' | while read -r id; do xdotool windowraise "$id"; done
sleep 1
screenshot "$E2E_TMP/raised.png"
expect_blend "$E2E_TMP/raised.png" "$E2E_TMP/frame.png" "192 48 48" "400 300"
pass "overlay stays above a window raised later"

driver off
wait_overlay_windows 0 || fail "overlay window left after switching off"
quit_driver
