#!/usr/bin/env bash
# Screen configuration changes while the overlay is on: splitting the screen
# into two monitors gives two panels with their monitors' geometry; removing
# one gives one panel again. While off, nothing is built. A monitor unticked
# in the "Screens" menu gets no panel, also after a restart and replugging.
source "$(dirname "$0")/lib.sh"

LEFT=960x1080+0+0 RIGHT=960x1080+960+0
start_x 1920x1080
start_driver

xrandr --setmonitor L 960/254x1080/286+0+0 screen
xrandr --setmonitor R 960/254x1080/286+960+0 none
sleep 1
overlay_count_is 0 || fail "a screen change built panels while the overlay is off"
driver on
overlays_are $LEFT $RIGHT
xrandr --delmonitor R
overlays_are $LEFT
pass "no panel for a screen change while off; one panel per monitor, following them"

# Turned off in the "Screens" menu: no panel there, after a restart and after
# the monitor is removed and added again; the other monitor keeps its panel.
xrandr --setmonitor R 960/254x1080/286+960+0 none
overlays_are $LEFT $RIGHT
ask "screen R off" "ok screen"
overlays_are $LEFT
quit_driver
start_driver
driver on
overlays_are $LEFT
pass "an unticked monitor gets no panel, also after a restart"

for monitor in R L; do
    xrandr --delmonitor "$monitor"
    sleep 1
    # L takes the output back, or Xvfb keeps its whole-screen monitor.
    [[ $monitor == R ]] && add=(960/254x1080/286+960+0 none) || add=(960/254x1080/286+0+0 screen)
    xrandr --setmonitor "$monitor" "${add[@]}"
    sleep 1
    overlays_are $LEFT
done
pass "unplugged and plugged back, each monitor keeps its choice"

ask "screen R on" "ok screen"
overlays_are $LEFT $RIGHT
pass "ticked again, the monitor gets its panel back"
quit_driver
