#!/usr/bin/env bash
# Screen configuration changes while the overlay is on: splitting the screen
# into two monitors gives two panels with their monitors' geometry; removing
# one gives one panel again. While off, nothing is built. A monitor unticked
# in the "Screens" menu gets no panel, also after a restart and replugging.
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

# Turned off in the "Screens" menu: no panel there, after a restart and after
# the monitor is removed and added again; the other monitor keeps its panel.
xrandr --setmonitor R 960/254x1080/286+960+0 none
wait_overlay_windows 2 || fail "expected two overlay windows again"
ask "screen R off" "ok screen"
wait_overlay_windows 1 || fail "the unticked monitor kept its panel"
[[ $(panels) == 1 ]] && grep -q "panel 0 0 960 1080" "$E2E_TMP/panels" ||
    fail "expected the left monitor's panel only: $(cat "$E2E_TMP/panels")"
pass "an unticked monitor gets no panel"

quit_driver
exec 4>&-
rm "$E2E_TMP/driver.in"
start_driver
driver on
wait_overlay_windows 1 || fail "after a restart, expected one overlay window"
[[ $(panels) == 1 ]] && grep -q "panel 0 0 960 1080" "$E2E_TMP/panels" ||
    fail "after a restart: $(cat "$E2E_TMP/panels")"
pass "the choice survives a restart"

for monitor in R L; do
    xrandr --delmonitor "$monitor"
    sleep 1
    # L takes the output back, or Xvfb keeps its whole-screen monitor.
    [[ $monitor == R ]] && add=(960/254x1080/286+960+0 none) || add=(960/254x1080/286+0+0 screen)
    xrandr --setmonitor "$monitor" "${add[@]}"
    sleep 1
    wait_overlay_windows 1 || fail "after replugging $monitor: $(x_overlay_windows) windows"
    [[ $(panels) == 1 ]] && grep -q "panel 0 0 960 1080" "$E2E_TMP/panels" ||
        fail "after replugging $monitor: $(cat "$E2E_TMP/panels")"
done
pass "unplugged and plugged back, each monitor keeps its choice"

ask "screen R on" "ok screen"
wait_overlay_windows 2 || fail "ticking the monitor again gave it no panel"
pass "ticked again, the monitor gets its panel back"

quit_driver
