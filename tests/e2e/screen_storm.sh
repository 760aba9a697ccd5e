#!/usr/bin/env bash
# 200 monitor additions and removals while the overlay is on end with exactly
# one panel per monitor, each covering its monitor, and nothing else mapped.
source "$(dirname "$0")/lib.sh"

start_x 1920x1080
write_settings gridOpacity=0 # cheap frames: the storm is about windows
start_driver

xrandr --setmonitor L 960/254x1080/286+0+0 screen
xrandr --setmonitor R 960/254x1080/286+960+0 none
driver on
two_overlays() { [[ $(x_overlay_windows) == 2 ]]; }
wait_for 20 two_overlays || fail "expected two overlay windows before the storm"

for i in $(seq 100); do
    xrandr --delmonitor R
    xrandr --setmonitor R 960/254x1080/286+960+0 none
    ((i % 25 == 0)) && panels >/dev/null
done
sleep 2
wait_for 60 two_overlays || fail "after the storm: $(x_overlay_windows) overlay windows"
[[ $(panels) == 2 ]] || fail "after the storm: $(panels) panels"
diff <(printf 'panel 0 0 960 1080\npanel 960 0 960 1080\n') "$E2E_TMP/panels" ||
    fail "panel geometry after the storm"
pass "200 monitor changes while on: one panel per monitor"

driver off
wait_for 20 sh -c '[ "$(xwininfo -root -children | grep -c "\"Retro Glimmer overlay")" = 0 ]' ||
    fail "overlay windows left after switching off"
[[ $(panels) == 0 ]] || fail "panels left after switching off"
driver quit
wait "$DRIVER_PID" || fail "driver exited with $?"
pass "switched off after the storm: nothing left"
