#!/usr/bin/env bash
# The real program driven as a person would: the tray icon, standing out on a
# dark tray, opens the control panel, its switch puts an overlay panel on the
# screen, a slider writes its setting, "Reset" takes the overlay away, "Quit"
# ends the program with status 0, and the next start comes up off with the
# settings left as they were.
source "$(dirname "$0")/lib.sh"

start_x 1280x720
start_tray --transparent true --alpha 0 --tint 0x000000
start_program
wait_for 10 tray_icon_window || fail "tray icon did not dock"
tray_icon_stands_out 000000
[[ $(x_overlay_windows) == 0 ]] || fail "an overlay window exists at start"

click_tray_icon
wait_for 5 panel_window || fail "the control panel did not open"
read -r px py _ _ <<<"$(window_geometry "$(panel_window)")"
pass "tray click opens the control panel at $px,$py"

# Keyboard focus starts on the switch.
xdotool key space
wait_overlay_windows 1 || fail "switching on showed no overlay window"
wait_for 5 sh -c "grep -q '^overlay.isEnabled=true' '$XDG_CONFIG_HOME/retroglimmer/retroglimmer.conf'" ||
    fail "isEnabled=true was not written"
panel_window >/dev/null || fail "the control panel closed when the overlay appeared"
screenshot "$E2E_TMP/on.png"
cp "$E2E_TMP/on.png" "${E2E_ARTIFACTS:-$E2E_TMP}/tray-panel-overlay-on.png" 2>/dev/null || true
pass "the switch shows the overlay"

# Pixel size: next control; three steps right from 4.
xdotool key Tab Right Right Right
wait_for 5 setting_is gridSize 7 || fail "gridSize 7 was not written: $(setting gridSize)"
pass "slider writes its setting"

# "Reset" sits at the bottom left of the panel.
xdotool mousemove $((px + 57)) $((py + 565)) click 1
wait_overlay_windows 0 || fail "Reset left the overlay on"
wait_for 5 setting_is gridSize 4 || fail "Reset did not restore gridSize"
[[ $(setting isEnabled) == false ]] || fail "Reset did not store isEnabled=false"
pass "Reset switches the overlay off and restores the defaults"

# Escape closes the panel; reopened, its focus is on the switch again. Leave
# something to find at the next start, switch on, then "Quit".
xdotool key Escape
wait_for 5 panel_closed || fail "Escape did not close the panel"
click_tray_icon
wait_for 5 panel_window || fail "the control panel did not reopen"
xdotool key Tab Right Right
wait_for 5 setting_is gridSize 6 || fail "gridSize 6 was not written: $(setting gridSize)"
xdotool key shift+Tab space
wait_overlay_windows 1 || fail "switching on again showed no overlay window"
xdotool mousemove $((px + 284)) $((py + 565)) click 1
status=0
wait "$PROGRAM_PID" || status=$?
[[ $status == 0 ]] || fail "Quit ended the program with status $status"
pass "Quit ends the program with status 0, overlay on or not"

start_program
wait_for 10 tray_icon_window || fail "tray icon did not dock after restart"
sleep 1
[[ $(x_overlay_windows) == 0 ]] || fail "the overlay is on after a restart"
[[ $(setting isEnabled) == false ]] || fail "isEnabled was not reset to false at start"
[[ $(setting gridSize) == 6 ]] || fail "gridSize was not kept: $(setting gridSize)"
click_tray_icon
wait_for 5 panel_window || fail "the control panel did not open after restart"
screenshot "$E2E_TMP/restart.png"
pass "next start: overlay off, settings as left"
