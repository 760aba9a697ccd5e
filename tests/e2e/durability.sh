#!/usr/bin/env bash
# Settings changed through the panel of the real program reach the disk
# promptly and whole: killed with SIGKILL 300 ms after the last change it loses
# nothing, and the file always parses, even when killed in the middle of a drag.
# An orderly end (SIGTERM, SIGINT, SIGHUP, the display going away) writes a
# change made a moment before.
source "$(dirname "$0")/lib.sh"

start_x 1280x720
CONF="$XDG_CONFIG_HOME/retroglimmer/retroglimmer.conf"
start_tray

start_and_open_panel() {
    start_program
    wait_for 20 tray_icon_window || fail "tray icon did not dock: $(cat "$E2E_TMP/program.err")"
    open_panel
}

overlay_shown() { [[ $(x_overlay_windows) -ge 1 ]]; }

kill_hard() {
    kill -9 "$PROGRAM_PID"
    wait "$PROGRAM_PID" 2>/dev/null || true
}

# Changes through the keyboard (Tab order: switch, Pixel size, Grid, Scanlines,
# Tint color, Tint strength, Flicker type, Pixel flicker), back to the switch,
# which goes last: once the overlay shows, every key before it was handled.
# The switch comes after a pause, as from a person: a change made within a
# tenth of a second of the previous write waits for the next one, and the
# overlay's first frames can hold the event loop up for longer than that.
start_and_open_panel
xdotool key --delay 20 Tab Right Right Right Tab Left Left Left Left Left Tab Right Right \
    Tab Tab Tab Down Tab Right shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab \
    shift+Tab
sleep 0.3
xdotool key space
wait_for 10 overlay_shown || fail "the switch did not show the overlay"
sleep 0.3
kill_hard
settings_file_is_whole || fail "settings file damaged after SIGKILL: $(cat "$CONF")"
expect_setting isEnabled true
expect_setting gridSize 7
expect_setting gridOpacity 0.25
expect_setting scanlineOpacity 0.02
expect_setting flickerMode pulse
expect_setting flickerIntensity 0.01
pass "SIGKILL 300 ms after the last change loses nothing"

# The next start reads that file as it is (nothing set aside, nothing said)
# and goes on from the values in it.
start_and_open_panel
xdotool key --delay 20 Tab Right
wait_for 5 sh -c "grep -qx 'overlay.gridSize=8' '$CONF'" || fail "gridSize did not go 7 -> 8"
[[ ! -e "$CONF.damaged" ]] || fail "the file was set aside"
[[ ! -s "$E2E_TMP/program.err" ]] || fail "complaint at start: $(cat "$E2E_TMP/program.err")"
expect_setting isEnabled false
pass "the file written before SIGKILL loads at the next start"

# SIGKILL in the middle of a drag on Tint color (never written so far), while
# the file is being replaced several times a second: it holds a value of the
# drag, whole.
xdotool key --delay 15 Tab Tab Tab $(for _ in $(seq 100); do echo Right Left; done) &
KEYS_PID=$!
E2E_PIDS+=($KEYS_PID)
wait_for 20 sh -c "grep -q '^overlay.tintHue=' '$CONF'" || fail "the drag was not written"
sleep 1
kill -0 "$KEYS_PID" 2>/dev/null || fail "the drag ended before the kill"
kill_hard
# Interrupted, xdotool would leave a key held down.
wait "$KEYS_PID"
settings_file_is_whole || fail "settings file damaged by SIGKILL during a drag: $(cat "$CONF")"
[[ $(setting tintHue) =~ ^0\.3[34]$ ]] || fail "tintHue is '$(setting tintHue)'"
expect_setting gridSize 8
pass "SIGKILL during a drag leaves a whole file"

# SIGTERM right after a change: the program ends with status 0, change written.
start_and_open_panel
xdotool key --delay 20 Tab Right shift+Tab space
wait_for 10 overlay_shown || fail "the switch did not show the overlay"
stop_program "the program"
expect_setting gridSize 9
expect_setting isEnabled true
pass "SIGTERM after a change: status 0, change on disk"

# The same start-up through the driver, whose answer comes right after the
# assignment. The first change is written at once; the second, made right
# after it, still waits for its write when the signal arrives.
restart_driver() {
    rm -f "$E2E_TMP/driver.in"
    start_driver
}
value=20
for signal in TERM INT HUP; do
    restart_driver
    value=$((value + 1))
    ask "set dustNoise 0.$value" "ok set dustNoise"
    ask "set rollingBand 0.$value" "ok set rollingBand"
    signal_ends_cleanly "$DRIVER_PID" "$signal" driver
    expect_setting dustNoise "0.$value"
    expect_setting rollingBand "0.$value"
    settings_file_is_whole || fail "settings file after SIG$signal: $(cat "$CONF")"
done
pass "SIGTERM, SIGINT and SIGHUP write a pending change and exit 0"

# Logout: the display goes away under the program.
restart_driver
ask "set dustNoise 0.5" "ok set dustNoise"
ask "set rollingBand 0.5" "ok set rollingBand"
kill "${E2E_PIDS[0]}" # Xvfb
driver_gone() { ! kill -0 "$DRIVER_PID" 2>/dev/null; }
wait_for 20 driver_gone || fail "the program outlived its display"
wait "$DRIVER_PID" || true
expect_setting dustNoise 0.5
expect_setting rollingBand 0.5
settings_file_is_whole || fail "settings file after the display went away: $(cat "$CONF")"
pass "the display going away writes a pending change"
