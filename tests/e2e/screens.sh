#!/usr/bin/env bash
# Screen configuration changes while the overlay is on: splitting the screen
# into two monitors gives two panels with their monitors' geometry; removing
# one gives one panel again. While off, nothing is built.
source "$(dirname "$0")/lib.sh"

start_x 1920x1080
start_driver

xrandr --setmonitor L 960/254x1080/286+0+0 screen
xrandr --setmonitor R 960/254x1080/286+960+0 none
sleep 1
[[ $(panels) == 0 ]] || fail "a screen change built panels while the overlay is off"
pass "no panel for a screen change while off"

driver on
wait_overlay_windows 2 || fail "expected two overlay windows"
[[ $(panels) == 2 ]] || fail "expected two panels"
diff <(printf 'panel 0 0 960 1080\npanel 960 0 960 1080\n') "$E2E_TMP/panels" ||
    fail "panel geometry"
pass "two monitors, two panels"

xrandr --delmonitor R
wait_overlay_windows 1 || fail "expected one overlay window after removing a monitor"
[[ $(panels) == 1 ]] || fail "expected one panel"
grep -q "panel 0 0 960 1080" "$E2E_TMP/panels" || fail "panel geometry: $(cat "$E2E_TMP/panels")"
pass "monitor removed, one panel"

quit_driver
