#!/usr/bin/env bash
# One running copy per session: a second start exits 0 without a second tray
# icon and the running copy opens its panel; one the running copy does not
# answer exits 1 and says so. The lock and socket left by a
# SIGKILLed run, or a lock naming a process id now used by another program,
# do not keep the next start from coming up and answering later starts.
source "$(dirname "$0")/lib.sh"

start_x 1280x720
start_tray

icons_in_tray() {
    local tray
    tray=$(xwininfo -root -tree | grep '"panel"' | head -1 | awk '{print $1}')
    xwininfo -id "$tray" -tree | grep -c '"Retro Glimmer"' || true
}

# second_start: starts the program again and expects it to give way.
second_start() {
    local status=0
    timeout 30 "$E2E_PROGRAM" >"$E2E_TMP/second.out" 2>"$E2E_TMP/second.err" || status=$?
    ((status == 0)) || fail "second start: exit status $status; $(cat "$E2E_TMP/second.err")"
}

start_program
wait_for 20 tray_icon_window || fail "tray icon did not dock"
! has_panel || fail "the panel is open before anyone asked"
second_start
wait_for 10 has_panel || fail "the running copy did not open its panel"
[[ $(icons_in_tray) == 1 ]] || fail "$(icons_in_tray) icons in the tray"
kill -0 "$PROGRAM_PID" || fail "the running copy ended"
pass "second start exits 0, one icon, the running copy opens its panel"

# A running copy that cannot answer (stopped): a later start says so and
# exits 1 within a few seconds instead of giving way in silence.
kill -STOP "$PROGRAM_PID"
status=0
SECONDS=0
timeout 30 "$E2E_PROGRAM" >"$E2E_TMP/second.out" 2>"$E2E_TMP/second.err" || status=$?
waited=$SECONDS
kill -CONT "$PROGRAM_PID"
((status == 1 && waited <= 5)) || fail "no answer: status $status after $waited s"
grep -q "did not answer" "$E2E_TMP/second.err" || fail "no answer: $(cat "$E2E_TMP/second.err")"
pass "a running copy that does not answer: status 1 after $waited s, $(cat "$E2E_TMP/second.err")"

# SIGKILL leaves the lock and the socket behind.
kill -9 "$PROGRAM_PID"
wait "$PROGRAM_PID" 2>/dev/null || true
[[ -e "$XDG_RUNTIME_DIR/retroglimmer.lock" && -S "$XDG_RUNTIME_DIR/retroglimmer.socket" ]] ||
    fail "expected a stale lock and socket: $(ls -la "$XDG_RUNTIME_DIR")"
wait_for 10 sh -c "! xwininfo -root -tree | grep -q '\"Retro Glimmer\"'" || fail "windows outlived the program"
start_program
wait_for 20 tray_icon_window || fail "no start after SIGKILL: $(cat "$E2E_TMP/program.err")"
second_start
wait_for 10 has_panel || fail "the copy started after SIGKILL does not answer"
pass "a lock and socket left by SIGKILL do not block the next start"

# A lock naming a live process of another program (its id reused).
stop_program "after SIGKILL"
sleep 300 &
OTHER_PID=$!
E2E_PIDS+=($OTHER_PID)
printf '%s\nretroglimmer\n%s\n' "$OTHER_PID" "$(hostname)" >"$XDG_RUNTIME_DIR/retroglimmer.lock"
start_program
wait_for 20 tray_icon_window || fail "a lock naming another program blocked the start"
second_start
wait_for 10 has_panel || fail "the copy started over a reused id does not answer"
pass "a lock naming another program's process does not block the start"

# Something other than a lock file where the lock goes (a FIFO would block
# reading it): the program runs without the guard rather than not at all.
stop_program "a lock naming another program"
rm -f "$XDG_RUNTIME_DIR/retroglimmer.lock"
mkfifo "$XDG_RUNTIME_DIR/retroglimmer.lock"
start_program
wait_for 5 tray_icon_window || fail "a FIFO as the lock held the start up"
stop_program "FIFO lock"
pass "a FIFO where the lock goes does not hold the start up"
