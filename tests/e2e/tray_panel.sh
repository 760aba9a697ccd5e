#!/usr/bin/env bash
# The real program driven as a person would: the tray icon, standing out on a
# dark tray, opens the control panel, its switch puts an overlay panel on the
# screen, a slider writes its setting, "Reset" takes the overlay away. The
# global shortcut Ctrl+Alt+Shift+G toggles the overlay, Num Lock or not; a
# look chosen from the tray menu with the keyboard shows exactly the
# renderer's frame for it. "Quit" ends the program with status 0, and the next
# start comes up off with the settings left as they were; the shortcut, held
# by the window manager then, is reported once and left alone.
source "$(dirname "$0")/lib.sh"

start_x 1280x720
start_tray --transparent true --alpha 0 --tint 0x000000
start_solid '#3060c0' 100 100 900 500
start_docked
tray_icon_stands_out 000000
overlay_count_is 0 || fail "an overlay window exists at start"

open_panel
read -r px py _ _ <<<"$(window_geometry "$(panel_window)")"
pass "tray click opens the control panel at $px,$py"

# Keyboard focus starts on the switch.
xdotool key space
wait_overlay_windows 1 || fail "switching on showed no overlay window"
wait_for 5 setting_is isEnabled true || fail "isEnabled=true was not written"
panel_window >/dev/null || fail "the control panel closed when the overlay appeared"
screenshot "$E2E_TMP/on.png" tray-panel-overlay-on.png
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

xdotool key Escape
wait_for 5 panel_closed || fail "Escape did not close the panel"
xdotool key ctrl+alt+shift+g
wait_overlay_windows 1 || fail "the shortcut did not switch the overlay on"
wait_for 5 setting_is isEnabled true || fail "the switch by shortcut was not stored"

# Right click; Settings…, Look; into its list, down to the sixth look.
click_tray_icon 3
sleep 1
xdotool key Down Down Right
sleep 1
xdotool key Down Down Down Down Down
sleep 0.5
screenshot "$E2E_TMP/menu.png" looks-menu.png
xdotool key Return
wait_for 10 setting_is scanlineOpacity 0.5 || fail "the look's values did not reach the settings file"
expect_setting gridOpacity 0
sleep 1
"$E2E_FRAME" --size 1280x720 --time 0 --look "Scanlines only" --output "$E2E_TMP/frame.png"
screenshot "$E2E_TMP/shot.png"
expect_blend "$E2E_TMP/shot.png" "$E2E_TMP/frame.png" "48 96 192" "400 300" "400 301" "400 302" "703 455" "150 560" "990 500"
pass "Look > Scanlines only from the tray menu, with the keyboard: the frame tool's frame for it"

xdotool key Num_Lock ctrl+alt+shift+g Num_Lock
wait_overlay_windows 0 || fail "the shortcut with Num Lock on did not switch the overlay off"
pass "Ctrl+Alt+Shift+G toggles the overlay, Num Lock or not"

# Reopened, the panel's focus is on the switch again. Leave something to find
# at the next start, switch on, then "Quit".
open_panel
xdotool key Tab Right Right
wait_for 5 setting_is gridSize 6 || fail "gridSize 6 was not written: $(setting gridSize)"
xdotool key shift+Tab space
wait_overlay_windows 1 || fail "switching on again showed no overlay window"
xdotool mousemove $((px + 284)) $((py + 565)) click 1
wait "$PROGRAM_PID" || fail "Quit ended the program with status $?"
pass "Quit ends the program with status 0, overlay on or not"

cat >"$E2E_TMP/rc.xml" <<'XML'
<?xml version="1.0"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <keyboard><keybind key="C-A-S-g"><action name="Execute"><command>true</command></action></keybind></keyboard>
</openbox_config>
XML
openbox --replace --config-file "$E2E_TMP/rc.xml" >"$E2E_TMP/openbox2.log" 2>&1 &
E2E_PIDS+=($!)
sleep 1
start_docked
sleep 1
overlay_count_is 0 || fail "the overlay is on after a restart"
[[ $(setting isEnabled) == false ]] || fail "isEnabled was not reset to false at start"
[[ $(setting gridSize) == 6 ]] || fail "gridSize was not kept: $(setting gridSize)"
pass "next start: overlay off, settings as left"
said_once "shortcut Ctrl+Alt+Shift+G is taken" "$E2E_TMP/program.err" "the taken shortcut"
xdotool key ctrl+alt+shift+g
sleep 1
overlay_count_is 0 || fail "the program acted on a shortcut it does not hold"
kill -0 "$PROGRAM_PID" || fail "the program ended"
pass "a shortcut the window manager holds is reported once; the program goes on"
