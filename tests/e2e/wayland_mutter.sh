#!/usr/bin/env bash
# Under GNOME's mutter (no layer shell: the overlay is X11 panels through
# XWayland), clicks go to the native window below the overlay. Each case needs
# the first panel of a session:
#   moving    while the overlay moves
#   controls  when it was switched on with the pointer resting on the
#             program's own controls window
source "$(dirname "$0")/wayland-lib.sh"

start_mutter
start_native_solid '#3060c0'
start_wayland_driver
wait_for 10 sh -c "xdotool search --onlyvisible --name '^Retro Glimmer\$'" || fail "no controls window"
start_mutter_pointer
overlay_shown() { wait_for 10 sh -c "xdotool search --onlyvisible --name 'Retro Glimmer overlay'"; }
clicks_reach() {
    for y in "$@"; do
        click 1000 $y
        wait_for 5 grep -q "click 1000 $y" "$SOLID_LOG" ||
            fail "$WHEN, the click at 1000 $y did not reach the native window"
        sleep 0.7
    done
}

if [[ $1 == moving ]]; then
# Every frame of a moving overlay is a new commit of the panel's surface: the
# panel must stay click-through by itself, never needing to be mapped again.
ask "set rollingBand 1" "ok set"
ask on "ok on"
overlay_shown || fail "no overlay panel"
panel=$(xdotool search --onlyvisible --name 'Retro Glimmer overlay' | head -1)
xev -id "$panel" -event structure >"$E2E_TMP/panel.xev" 2>&1 &
E2E_PIDS+=($!)
sleep 1
WHEN="while the overlay moves" clicks_reach 400 430 460 490
! grep -q UnmapNotify "$E2E_TMP/panel.xev" || fail "while the overlay moved, the panel took the pointer"

else
# Switched on with the pointer over the controls, mutter may hand the pointer
# to the panel; the program sees it leak and maps the panel again.
controls=$(xdotool search --onlyvisible --name '^Retro Glimmer$' | head -1)
eval "$(xdotool getwindowgeometry --shell "$controls")"
echo "move $((X + WIDTH / 2)) $((Y + HEIGHT / 2))" >&5
wait_for 5 sh -c "xdotool getmouselocation --shell | grep -qx 'WINDOW=$controls'" ||
    fail "the pointer is not over the controls window"
ask on "ok on"
overlay_shown || fail "no overlay panel"
WHEN="switched on over the controls" clicks_reach 600 610
fi
pass "clicks reach the native window under mutter: $1"
quit_driver
