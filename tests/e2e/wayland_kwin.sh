#!/usr/bin/env bash
# Under KDE's kwin (which offers layer shell and fractional scales), on a
# scale-1.5 output: with the overlay switched on from the program's own
# controls window, which then has the focus, a click reaches the native window
# below; the surface is drawn at device resolution.
source "$(dirname "$0")/wayland-lib.sh"

start_kwin 1920 1080 1.5
start_native_solid '#3060c0'
start_wayland_driver
# Without a tray the controls open as a window, focused, the switch first.
wait_for 10 sh -c "xdotool search --onlyvisible --name '^Retro Glimmer\$'" || fail "no controls window"
for _ in 1 2 3; do
    xdotool key space
    wait_for 5 surface_count_is 1 && break
done
wait_for 10 surfaces_are "surface Virtual-0 1920 1080 1.5" || fail "no overlay surface: $(surfaces)"
wait_for 10 grep -qE 'create_buffer\(new id wl_buffer@[0-9]+, 0, 2880, 1620,' "$E2E_TMP/driver.err" ||
    fail "no buffer at device resolution"
grep -qE 'set_destination\(1920, 1080\)' "$E2E_TMP/driver.err" || fail "the viewport is not set"
pass "switched on from the controls window: one layer surface, 2880x1620 buffers shown at 1920x1080"

start_pointer 1920 1080
# Away from the controls window, which kwin centres.
click 1700 900
wait_for 5 grep -q "click 1700 900" "$SOLID_LOG" || fail "the click did not reach the native window"
pass "a click through the overlay reaches the native window under kwin"
quit_driver
