#!/usr/bin/env bash
# The native Wayland overlay under sway, with QT_QPA_PLATFORM=wayland in the
# environment as many sessions have: the controls still come up on XWayland;
# the overlay is one layer surface per output, above a full-screen native
# window, blended exactly as the renderer's own frame; clicks reach the window
# below, and a click on swaybar's tray icon opens the panel; frames are
# committed only while something moves, at most 30 a second.
# A new output gets its own surface, on a scale-2 output drawn at device
# resolution (grid lines two device pixels wide, sharp); a removed output
# takes its surface along. Without an X server the controls come up on Qt's
# Wayland platform and the overlay is still the layer surface.
source "$(dirname "$0")/wayland-lib.sh"

start_session_bus
start_sway "output HEADLESS-2 scale 2" "bar {" "output HEADLESS-1" "position top" "}"
SETTINGS=(tintOpacity=0.5 tintHue=0.6 gridOpacity=0.4 scanlineOpacity=0.6 gridSize=6)
write_settings "${SETTINGS[@]}"
[[ $(id -u) -ne 0 ]] || chown -R $W_USER:$W_GROUP "$XDG_CONFIG_HOME"
start_native_solid '#3060c0'
start_wayland_driver QT_QPA_PLATFORM=wayland
x_window() { "${AS_USER[@]}" xwininfo -root -children | grep -q "$1"; }
wait_for 10 x_window e2e-overlay-driver ||
    fail "the controls are not on XWayland: $(swaymsg -t get_tree | jq -c '[.. | objects | select(.shell?) | .shell]')"
swaymsg '[app_id=e2e-solid-window] fullscreen enable' >/dev/null
[[ -z $(surfaces) ]] || fail "a surface exists before the overlay is switched on"
pass "controls on XWayland despite QT_QPA_PLATFORM=wayland; no surface at start"

driver on
wait_for 10 committed_at_least 2 || fail "no frame committed after switching on"
[[ $(surfaces) == "surface HEADLESS-1 1280 720 1" ]] || fail "surfaces: $(surfaces)"
sleep 1
frame 1280x720 "$E2E_TMP/frame.png" "${SETTINGS[@]}"
shot "$E2E_TMP/shot.png" "" wayland-overlay.png
expect_blend "$E2E_TMP/shot.png" "$E2E_TMP/frame.png" "48 96 192" "400 300" "401 301" "703 455" "150 560" "990 500" "0 0" "1279 719"
pass "the overlay blends over a full-screen native window as the renderer's frame"

start_pointer 1280 720
click 500 400
wait_for 5 grep -q "click 500 400" "$SOLID_LOG" || fail "the click did not reach the native window"
pass "a click through the overlay reaches the native window"

# Still settings: one empty commit to get configured, one frame, then nothing.
sleep 2
[[ $(commits) == 2 ]] || fail "$(commits) commits while nothing moves; expected the configure one and one frame"
driver "set rollingBand 0.8"
sleep 2
moving=$(( $(commits) - 2 ))
((moving >= 10 && moving <= 2 * 30 + 2)) || fail "$moving commits in 2 s with a rolling band"
grep -E ' -> wl_surface@[0-9]+\.damage_buffer\(' "$E2E_TMP/driver.err" | tail -1 |
    grep -qv 'damage_buffer(0, 0, 1280, 720)' ||
    fail "a moving band damages the whole surface"
ask "set rollingBand 0" "ok set"
sleep 0.5
stopped=$(commits)
sleep 2
[[ $(commits) == "$stopped" ]] || fail "commits go on after the band stopped"
pass "nothing committed while still; $moving commits in 2 s with a band, damaging only part"

# swaybar's tray sits at the right end of the bar, above the window once it
# leaves full screen; the panel opens below it, on XWayland.
swaymsg '[app_id=e2e-solid-window] fullscreen disable' >/dev/null
sleep 1
click 1270 11
wait_for 5 x_window "$PANEL_LINE" ||
    fail "a click on the tray icon in swaybar did not open the panel"
pass "with the overlay on, a click on swaybar's tray icon opens the panel"
swaymsg '[app_id=e2e-solid-window] fullscreen enable' >/dev/null

# Grid lines every 6.5 points, black over sway's grey (63): at device
# resolution each lies on whole device pixels; drawn at half resolution and
# doubled, every other one would smear over four device pixels at half strength.
for kv in gridSize=6.5 gridOpacity=1 scanlineOpacity=0 tintOpacity=0; do ask "set ${kv/=/ }" "ok set"; done
swaymsg create_output >/dev/null
wait_for 10 surfaces_are $'surface HEADLESS-1 1280 720 1\nsurface HEADLESS-2 960 540 2' ||
    fail "surfaces after a new output: $(surfaces)"
grep -qE ' -> wl_surface@[0-9]+\.set_buffer_scale\(2\)' "$E2E_TMP/driver.err" ||
    fail "the buffer scale is not 2"
sleep 1
shot "$E2E_TMP/scale.png" HEADLESS-2 wayland-scale-2.png
[[ $(identify -format '%wx%h' "$E2E_TMP/scale.png") == 1920x1080 ]] || fail "screenshot size"
row=$(convert "$E2E_TMP/scale.png" -crop 520x1+380+539 -colorspace gray -depth 8 txt:- |
    sed -n 's/^\([0-9]*\),0: (\([0-9]*\).*/\1 \2/p')
runs=$(awk '{ v = $2 + 0
              if (v > 8 && v < 55) { print "blurred at x=" $1 + 380 ": " v; exit }
              if (v <= 8) dark++
              else if (dark) { print dark; dark = 0 } }' <<<"$row" | sort | uniq -c)
[[ $runs =~ ^\ *[0-9]+\ 2$ ]] || fail "grid lines in a row of the device-pixel screenshot: $runs"
pass "a new scale-2 output gets its own surface, grid lines two device pixels wide and sharp"

driver off
wait_for 10 surface_count_is 0 || fail "surfaces left after switching off: $(surfaces)"
grep -qE ' -> zwlr_layer_surface_v1@[0-9]+\.destroy\(\)' "$E2E_TMP/driver.err" ||
    fail "no layer surface destroyed"
pass "switching off removes every surface"
quit_driver

# An output going away, in a nested session (no X server there).
start_nested_sway
# No session bus, so no tray: the controls open as a window.
start_wayland_driver WAYLAND_DISPLAY="$INNER_DISPLAY" DISPLAY= WAYLAND_DEBUG= DBUS_SESSION_BUS_ADDRESS=
driver on
wait_for 10 surface_count_is 2 || fail "nested session surfaces: $(surfaces)"
wait_for 10 sh -c "swaymsg -s '$INNER_SOCK' -t get_tree | jq -e '.. | objects | select(.app_id? == \"e2e-overlay-driver\")'" ||
    fail "the controls did not come up as a native window"
[[ -z $(grep retroglimmer: "$E2E_TMP/driver.err") ]] || fail "complaint: $(cat "$E2E_TMP/driver.err")"
swaymsg '[title="wlroots - WL-2"] kill' >/dev/null
wait_for 10 surface_count_is 1 || fail "surfaces after an output went: $(surfaces)"
wait_for 5 surfaces_are "surface WL-1 1280 720 1" || fail "the remaining output's surface: $(surfaces)"
pass "without an X server: controls on Qt's Wayland platform; an output going away takes its surface"
quit_driver
