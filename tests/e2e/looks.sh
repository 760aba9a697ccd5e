#!/usr/bin/env bash
# A look chosen from the tray menu with the keyboard, in the real program:
# the settings file keeps its values and the overlay shows exactly the
# renderer's frame for that look over the window below.
source "$(dirname "$0")/lib.sh"

start_x 1280x720
start_tray
start_solid '#3060c0' 100 100 900 500
start_program
wait_for 10 tray_icon_window || fail "tray icon did not dock"
open_panel
xdotool key space Escape
wait_overlay_windows 1 || fail "the switch did not show the overlay"

# Right click; Settings…, Look; into its list, down to the sixth look.
read -r x y w h <<<"$(window_geometry "$(tray_icon_window)")"
xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 3
sleep 1
xdotool key Down Down Right
sleep 1
xdotool key Down Down Down Down Down
sleep 0.5
screenshot "$E2E_TMP/menu.png"
xdotool key Return
wait_for 10 sh -c "grep -q '^overlay.scanlineOpacity=0.5$' '$XDG_CONFIG_HOME/retroglimmer/retroglimmer.conf'" ||
    fail "the look's values did not reach the settings file"
expect_setting gridOpacity 0
pass "Look > Scanlines only from the tray menu, with the keyboard"
sleep 1

"$E2E_FRAME" --size 1280x720 --time 0 --look "Scanlines only" --output "$E2E_TMP/frame.png"
screenshot "$E2E_TMP/shot.png"
for spot in "400 300" "400 301" "400 302" "703 455" "150 560" "990 500"; do
    read -r x y <<<"$spot"
    expected=$(blended "$E2E_TMP/frame.png" "$x" "$y" "48 96 192")
    actual=$(pixel "$E2E_TMP/shot.png" "$x" "$y")
    close_to "$actual" "$expected" 3 || fail "pixel $x,$y is $actual, expected $expected"
done
pass "the overlay shows the frame tool's frame for the look"
cp "$E2E_TMP/menu.png" "${E2E_ARTIFACTS:-$E2E_TMP}/looks-menu.png" 2>/dev/null || true
