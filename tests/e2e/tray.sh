#!/usr/bin/env bash
# The tray icon docks in an XEmbed tray.
source "$(dirname "$0")/lib.sh"

start_x 1280x720
start_tray
start_driver
wait_for 10 tray_icon_window || { xwininfo -root -tree >&2; fail "tray icon did not dock"; }
read -r x y w h <<<"$(window_geometry "$(tray_icon_window)")"
((w >= 16 && h >= 16)) || fail "tray icon is ${w}x${h}"
pass "tray icon docked"
driver quit
wait "$DRIVER_PID" || fail "driver exited with $?"
