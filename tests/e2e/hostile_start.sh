#!/usr/bin/env bash
# Hostile moments and environments at start: SIGTERM, SIGINT or SIGHUP at any
# moment of start-up ends the program with status 0 and the settings file
# whole; a display that does not exist, or does not answer, gives one line
# naming it and status 1 within 5 s, not Qt's abort and core dump.
source "$(dirname "$0")/lib.sh"

start_x 1280x720
start_tray
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
    status=0
    wait "$PROGRAM_PID" || status=$?
    ((status == 0)) || fail "SIG$signal after ${delays[i]} s: status $status: $(cat "$E2E_TMP/program.err")"
    settings_file_is_whole || fail "SIG$signal after ${delays[i]} s: $(cat "$XDG_CONFIG_HOME/retroglimmer/retroglimmer.conf")"
    expect_setting gridSize 12
    expect_setting tintHue 0.5
done
((before_lock > 0)) || fail "the program caught signals only once it held its lock"
pass "SIGTERM, SIGINT and SIGHUP through start-up: status 0, settings kept (caught before the lock in $before_lock of ${#delays[@]} starts)"

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
