#!/usr/bin/env bash
# Under GNOME's mutter (no layer shell: the overlay is X11 panels through
# XWayland): with the overlay switched on while the pointer rests on the
# program's own controls window, a click still reaches the native window below.
source "$(dirname "$0")/wayland-lib.sh"

start_mutter
start_native_solid '#3060c0'
start_wayland_driver
wait_for 10 sh -c "xdotool search --onlyvisible --name '^Retro Glimmer\$'" || fail "no controls window"
controls=$(xdotool search --onlyvisible --name '^Retro Glimmer$' | head -1)
eval "$(xdotool getwindowgeometry --shell "$controls")"
start_mutter_pointer
echo "move $((X + WIDTH / 2)) $((Y + HEIGHT / 2))" >&5
wait_for 5 sh -c "xdotool getmouselocation --shell | grep -qx 'WINDOW=$controls'" ||
    fail "the pointer is not over the controls window"
driver on
wait_for 10 sh -c "xdotool search --onlyvisible --name 'Retro Glimmer overlay'" || fail "no overlay panel"
# mutter often takes a fresh panel as taking input; the program sees the
# pointer leak into it on the way to the click and maps the panel again.
click 1000 600
wait_for 5 grep -q "click 1000 600" "$SOLID_LOG" || fail "the click did not reach the native window"
# A new frame of the panel keeps it click-through.
driver set gridOpacity 0.3
sleep 1
click 1000 610
wait_for 5 grep -q "click 1000 610" "$SOLID_LOG" || fail "after a new frame, the click did not reach the native window"
pass "switched on with the pointer over the controls: a click reaches the native window under mutter"
driver quit
wait "$DRIVER_PID" || fail "driver exited with $?"
