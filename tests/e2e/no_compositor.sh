#!/usr/bin/env bash
# Without a compositor the overlay waits instead of hiding the screen behind
# black: switched on, it maps nothing, the control panel says why and stderr
# says so once; it is drawn once picom starts, and when picom stops it goes
# and leaves the screen as it was. The switch keeps the user's choice.
source "$(dirname "$0")/lib.sh"

# screen_as_before WHEN: the screen shows what it showed at start.
screen_as_before() {
    screenshot "$E2E_TMP/now.png"
    changed=$(compare -metric AE "$E2E_TMP/before.png" "$E2E_TMP/now.png" null: 2>&1 || true)
    [[ $changed == 0 ]] || fail "$changed pixels changed $1"
}

# note_is S/N: S of the N control lists say that the overlay needs a compositor.
note_is() { ask note "note "; tail -n 1 "$E2E_TMP/driver.out" | grep -q "^note $1"; }

start_x 1280x720 nocompositor
start_tray
write_settings tintOpacity=0.5 tintHue=0.6
start_solid '#ffffff' 100 100 900 500
SECONDS=0
start_driver
((SECONDS <= 5)) || fail "start took $SECONDS s"
note_is 1/1 || fail "no compositor, yet the panel does not say so"
screenshot "$E2E_TMP/before.png"

driver on
sleep 1
screen_as_before "when the overlay was switched on"
wait_for 5 setting_is isEnabled true || fail "the switch did not record the user's choice"
said_once 'compositing manager' "$E2E_TMP/driver.err" "switched on"
pass "switched on without a compositor: nothing drawn, the panel and stderr say why"

start_compositor
wait_for 10 mapped_overlays_are 1 || fail "the overlay did not appear when picom started"
sleep 1
screenshot "$E2E_TMP/drawn.png"
frame 1280x720 "$E2E_TMP/frame.png" tintOpacity=0.5 tintHue=0.6
expect_blend "$E2E_TMP/drawn.png" "$E2E_TMP/frame.png" "255 255 255" "400 300"
note_is 0/1 || fail "the panel still asks for a compositor"
pass "picom starts: the overlay is drawn, blended"

end_process "$COMPOSITOR_PID"
wait_for 10 mapped_overlays_are 0 || fail "the overlay stayed mapped when picom stopped"
sleep 1
screen_as_before "once picom stopped"
note_is 1/1 || fail "the panel does not say why again"
said_once 'compositing manager' "$E2E_TMP/driver.err" "picom stopped"
[[ $(setting isEnabled) == true ]] || fail "the switch lost the user's choice"
pass "picom stops: the overlay is unmapped and the screen is as before"

signal_ends_cleanly "$DRIVER_PID" TERM driver
