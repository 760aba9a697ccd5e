#!/usr/bin/env bash
# Under KDE's kwin (which offers layer shell): with the overlay switched on
# from the program's own controls window, which then has the focus, a click
# reaches the native window below.
source "$(dirname "$0")/wayland-lib.sh"

start_kwin
start_native_solid '#3060c0'
start_wayland_driver WAYLAND_DEBUG=
# Without a tray the controls open as a window, focused, the switch first.
sleep 2
xdotool key space
wait_for 10 surfaces_are "surface Virtual-0 1280 720 1" || fail "no overlay surface: $(surfaces)"
pass "switched on from the controls window: one layer surface"

start_pointer 1280 720
# Away from the controls window, which kwin centres.
click 1100 600
wait_for 5 grep -q "click 1100 600" "$SOLID_LOG" || fail "the click did not reach the native window"
pass "a click through the overlay reaches the native window under kwin"
driver quit
wait "$DRIVER_PID" || fail "driver exited with $?"
