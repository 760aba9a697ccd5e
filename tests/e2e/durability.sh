#!/usr/bin/env bash
# Settings changed through the panel of the real program reach the disk
# promptly and whole: killed with SIGKILL 300 ms after the last change it loses
# nothing, and the file always parses, even when killed in the middle of a drag.
# An orderly end (SIGTERM, SIGINT, SIGHUP, the display going away) writes a
# change made a moment before; one of those signals at any moment of start-up
# ends the program with status 0 and the file whole. A display that does not
# exist, or does not answer, gives one line naming it and status 1 within 5 s,
# not Qt's abort and core dump.
source "$(dirname "$0")/lib.sh"

start_x 1280x720
CONF="$XDG_CONFIG_HOME/retroglimmer/retroglimmer.conf"
start_tray

# Changes through the keyboard (Tab order: switch, Pixel size, Grid, Scanlines,
# Tint color, Tint strength, Flicker type, Pixel flicker), back to the switch,
# which goes last: once the overlay shows, every key before it was handled.
# The switch comes after a pause, as from a person: a change made within a
# tenth of a second of the previous write waits for the next one, and the
# overlay's first frames can hold the event loop up for longer than that.
start_docked
open_panel
xdotool key --delay 20 Tab Right Right Right Tab Left Left Left Left Left Tab Right Right \
    Tab Tab Tab Down Tab Right shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab \
    shift+Tab
sleep 0.3
xdotool key space
wait_for 10 overlay_shown || fail "the switch did not show the overlay"
sleep 0.3
end_process "$PROGRAM_PID" KILL
settings_file_is_whole || fail "settings file damaged after SIGKILL: $(cat "$CONF")"
for kv in isEnabled=true gridSize=7 gridOpacity=0.25 scanlineOpacity=0.02 flickerMode=pulse \
    flickerIntensity=0.01; do expect_setting "${kv%=*}" "${kv#*=}"; done
pass "SIGKILL 300 ms after the last change loses nothing"

# The next start reads that file as it is (nothing set aside, nothing said)
# and goes on from the values in it.
start_docked
open_panel
xdotool key --delay 20 Tab Right
wait_for 5 setting_is gridSize 8 || fail "gridSize did not go 7 -> 8"
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
wait_for 20 grep -q '^overlay.tintHue=' "$CONF" || fail "the drag was not written"
sleep 1
kill -0 "$KEYS_PID" 2>/dev/null || fail "the drag ended before the kill"
end_process "$PROGRAM_PID" KILL
# Interrupted, xdotool would leave a key held down.
wait "$KEYS_PID"
settings_file_is_whole || fail "settings file damaged by SIGKILL during a drag: $(cat "$CONF")"
[[ $(setting tintHue) =~ ^0\.3[34]$ ]] || fail "tintHue is '$(setting tintHue)'"
expect_setting gridSize 8
pass "SIGKILL during a drag leaves a whole file"

# SIGTERM, SIGINT and SIGHUP through the driver, whose answer comes right
# after the assignment. The first change is written at once; the second, made
# right after it, still waits for its write when the signal arrives.
# expect_pending VALUE WHEN: both changes are in the file, whole.
expect_pending() {
    expect_setting dustNoise "$1"
    expect_setting rollingBand "$1"
    settings_file_is_whole || fail "settings file after $2: $(cat "$CONF")"
}
value=20
for signal in TERM INT HUP; do
    start_driver
    value=$((value + 1))
    ask "set dustNoise 0.$value" "ok set dustNoise"
    ask "set rollingBand 0.$value" "ok set rollingBand"
    signal_ends_cleanly "$DRIVER_PID" "$signal" driver
    expect_pending "0.$value" "SIG$signal"
done
pass "SIGTERM, SIGINT and SIGHUP write a pending change and exit 0"

write_settings gridSize=12 tintHue=0.5
# Succeeds once process $1 runs the program and catches SIGTERM (bash
# builtins only: fast enough to see its first moments; before its exec the
# process is a shell, which catches SIGTERM too).
catches_term() {
    local command key value
    read -r -d '' command <"/proc/$1/cmdline" || true
    [[ $command == "$E2E_PROGRAM" ]] || return 1
    while read -r key value; do
        [[ $key == SigCgt: ]] && ((0x$value & 0x4000)) && return 0
    done <"/proc/$1/status"
    return 1
}

# The signal goes at a delay after the program can first catch it, through
# every stage of start-up. Before the handlers came first, that moment came
# only after the lock was taken; now it comes before.
signals=(TERM INT HUP)
delays=(0 0.01 0.03 0.06 0.1 0.2 0.4)
before_lock=0
for i in "${!delays[@]}"; do
    signal=${signals[i % 3]}
    start_program
    SECONDS=0
    until catches_term "$PROGRAM_PID" 2>/dev/null; do ((SECONDS < 10)) || fail "SIGTERM is never caught"; done
    [[ -e "$XDG_RUNTIME_DIR/retroglimmer.lock" ]] || before_lock=$((before_lock + 1))
    sleep "${delays[i]}"
    kill "-$signal" "$PROGRAM_PID"
    wait "$PROGRAM_PID" || fail "SIG$signal after ${delays[i]} s: status $?: $(cat "$E2E_TMP/program.err")"
    settings_file_is_whole || fail "SIG$signal after ${delays[i]} s: $(cat "$CONF")"
    expect_setting gridSize 12
    expect_setting tintHue 0.5
done
((before_lock > 0)) || fail "the program caught signals only once it held its lock"
pass "SIGTERM, SIGINT and SIGHUP through start-up: status 0, settings kept (caught before the lock in $before_lock of ${#delays[@]} starts)"

# Logout: the display goes away under the program.
start_driver
ask "set dustNoise 0.5" "ok set dustNoise"
ask "set rollingBand 0.5" "ok set rollingBand"
kill "${E2E_PIDS[0]}" # Xvfb
wait_for 20 eval '! kill -0 "$DRIVER_PID"' || fail "the program outlived its display"
wait "$DRIVER_PID" || true
expect_pending 0.5 "the display going away"
pass "the display going away writes a pending change"

# dead_display NAME WORDS ENV...: the program exits 1 within 5 s with one
# line that contains WORDS.
dead_display() {
    local name=$1 words=$2 status=0
    shift 2
    timeout 5 env "$@" "$E2E_PROGRAM" >"$E2E_TMP/dead.out" 2>"$E2E_TMP/dead.err" || status=$?
    ((status == 1)) || fail "$name: status $status: $(cat "$E2E_TMP/dead.err")"
    [[ $(wc -l <"$E2E_TMP/dead.err") == 1 ]] && grep -qF -- "$words" "$E2E_TMP/dead.err" ||
        fail "$name: expected one line naming '$words': $(cat "$E2E_TMP/dead.err")"
    pass "$name: $(cat "$E2E_TMP/dead.err")"
}
dead_display "a dead X display" '":1999"' DISPLAY=:1999
# With an X display beside it the program runs there, so none here.
dead_display "a dead Wayland display" '"retroglimmer-none"' -u DISPLAY QT_QPA_PLATFORM=wayland \
    WAYLAND_DISPLAY=retroglimmer-none

# An X server that accepts the connection but never answers: a stopped Xvfb.
mkfifo "$E2E_TMP/stopped-fd"
Xvfb -displayfd 3 -nolisten tcp 3>"$E2E_TMP/stopped-fd" 2>/dev/null &
STOPPED_PID=$!
E2E_PIDS+=($STOPPED_PID)
read -r -t 20 stopped <"$E2E_TMP/stopped-fd" || fail "the second Xvfb did not start"
kill -STOP "$STOPPED_PID"
dead_display "an X display that does not answer" "does not answer" DISPLAY=":$stopped"
kill -CONT "$STOPPED_PID"
