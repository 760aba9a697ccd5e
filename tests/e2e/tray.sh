#!/usr/bin/env bash
# The tray icon docks in an XEmbed tray and stands out on a dark tray and on a
# light one: many pixels of its slot differ strongly from the tray's colour.
source "$(dirname "$0")/lib.sh"

start_x 1280x720
start_driver
for tint in 000000 ffffff; do
    start_tray --transparent true --alpha 0 --tint "0x$tint"
    wait_for 10 tray_icon_window || { xwininfo -root -tree >&2; fail "tray icon did not dock"; }
    read -r x y w h <<<"$(window_geometry "$(tray_icon_window)")"
    ((w >= 16 && h >= 16)) || fail "tray icon is ${w}x${h}"
    sleep 1
    screenshot "$E2E_TMP/tray-$tint.png"
    # Grey levels more than half the scale away from the tray's colour.
    invert=$([[ $tint == ffffff ]] && echo -negate || true)
    contrasting=$(convert "$E2E_TMP/tray-$tint.png" -crop "${w}x${h}+$x+$y" +repage \
        -colorspace Gray $invert -threshold 50% -format '%[fx:round(mean*w*h)]' info:)
    ((contrasting * 8 >= w * h)) ||
        fail "on a tray of #$tint only $contrasting of the icon's $((w * h)) pixels stand out"
    pass "tray icon docked; $contrasting of its $((w * h)) pixels stand out on #$tint"
    kill "$TRAY_PID"
    wait_for 10 sh -c '! xwininfo -root -tree | grep -q "\"panel\""' || fail "the tray did not close"
done
driver quit
wait "$DRIVER_PID" || fail "driver exited with $?"
