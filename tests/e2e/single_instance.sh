#!/usr/bin/env bash
# One running copy per session, and the command line that talks to it. With no
# copy running, --set, --get and --reset work on the settings file and --on
# starts the program switched on; against the running copy each command acts
# as the panel would, and a plain second start exits 0 without a second tray
# icon while the running copy opens its panel. Every bad option, name or value
# exits 2 and leaves the file as it was. A copy that does not answer makes a
# later start exit 1 and say so. The lock and socket left by a SIGKILLed run,
# a lock naming a process id now used by another program, or a FIFO where the
# lock goes do not keep the next start from coming up.
source "$(dirname "$0")/lib.sh"

CONF() { echo "$XDG_CONFIG_HOME/retroglimmer/retroglimmer.conf"; }
rg() { timeout 30 "$E2E_PROGRAM" "$@"; }

start_x 1280x720
start_tray

rg --help | grep -q -- '--set <NAME=VALUE>' || fail "--help does not list --set"
[[ $(rg --version) == "retroglimmer "[0-9]* ]] || fail "--version: $(rg --version)"
rg --set gridSize=8 --set flickerMode=pulse || fail "--set with no copy: status $?"
expect_setting gridSize 8
[[ $(rg --get gridSize) == gridSize=8 ]] || fail "--get gridSize: $(rg --get gridSize)"
[[ $(rg --get | wc -l) == 14 ]] || fail "--get lists $(rg --get | wc -l) lines"
pass "no copy running: --set writes the file, --get reads it"

# expect_refused ARGUMENTS...: status 2, one line, the file as it was.
expect_refused() {
    local status=0
    cp "$(CONF)" "$E2E_TMP/before.conf"
    rg "$@" >/dev/null 2>"$E2E_TMP/bad.err" || status=$?
    [[ $status == 2 && $(wc -l <"$E2E_TMP/bad.err") == 1 ]] ||
        fail "'$*': status $status, said: $(cat "$E2E_TMP/bad.err")"
    cmp -s "$(CONF)" "$E2E_TMP/before.conf" || fail "'$*' changed the settings file"
}
for bad in "--bogus" "--set gridSize=100" "--set nope=1" "--set gridSize=abc" "--set gridSize" \
    "--get nope" "--on --off" "--set tintHue=0.5 stray" "--set"; do
    expect_refused $bad
    overlay_count_is 0 || fail "'$bad' started the program"
done
pass "bad options, names and values exit 2 with one line and change nothing"

start_program --on
wait_overlay_windows 1 || fail "--on started no overlay: $(cat "$E2E_TMP/program.err")"
wait_for 5 setting_is isEnabled true || fail "--on was not stored"
wait_for 20 tray_icon_window || fail "tray icon did not dock"
pass "--on with no copy running starts the program switched on"

rg --off || fail "--off: status $?"
wait_overlay_windows 0 || fail "--off left the overlay on"
expect_setting isEnabled false
rg --toggle || fail "--toggle: status $?"
wait_overlay_windows 1 || fail "--toggle did not switch the overlay on"
rg --set tintOpacity=0.5 || fail "--set: status $?"
wait_for 5 setting_is tintOpacity 0.5 || fail "--set was not stored"
[[ $(rg --get tintOpacity) == tintOpacity=0.5 ]] || fail "--get from the running copy"
rg --look "Scanlines only" || fail "--look: status $?"
[[ $(rg --get gridOpacity) == gridOpacity=0 ]] || fail "--look did not take the look's values"
rg --reset || fail "--reset: status $?"
wait_overlay_windows 0 || fail "--reset left the overlay on"
wait_for 5 setting_is gridOpacity 0.3 || fail "--reset kept the look"
expect_refused --set gridSize=0
! has_panel || fail "the panel is open before anyone asked"
rg --show-panel || fail "--show-panel: status $?"
wait_for 10 has_panel || fail "--show-panel opened no panel"
pass "--off, --toggle, --set, --get, --look, --reset and --show-panel act on the running copy"

# second_start WHAT: a plain start gives way, and the running copy opens its
# panel.
second_start() {
    xdotool mousemove 640 600 click 1 # a click outside closes the panel
    wait_for 10 panel_closed || fail "$1: the panel stayed open"
    rg >"$E2E_TMP/second.out" 2>"$E2E_TMP/second.err" ||
        fail "$1: second start: exit status $?; $(cat "$E2E_TMP/second.err")"
    wait_for 10 has_panel || fail "$1: the running copy did not open its panel"
}
second_start "the first copy"
[[ $(tray_icons | wc -l) == 1 ]] || fail "$(tray_icons | wc -l) icons in the tray"
kill -0 "$PROGRAM_PID" || fail "the running copy ended"
pass "second start exits 0, one icon, the running copy opens its panel"

# A running copy that cannot answer (stopped): a later start says so and
# exits 1 within a few seconds instead of giving way in silence.
kill -STOP "$PROGRAM_PID"
status=0
SECONDS=0
rg >"$E2E_TMP/second.out" 2>"$E2E_TMP/second.err" || status=$?
waited=$SECONDS
kill -CONT "$PROGRAM_PID"
((status == 1 && waited <= 5)) || fail "no answer: status $status after $waited s"
grep -q "did not answer" "$E2E_TMP/second.err" || fail "no answer: $(cat "$E2E_TMP/second.err")"
pass "a running copy that does not answer: status 1 after $waited s, $(cat "$E2E_TMP/second.err")"

# SIGKILL leaves the lock and the socket behind.
end_process "$PROGRAM_PID" KILL
[[ -e "$XDG_RUNTIME_DIR/retroglimmer.lock" && -S "$XDG_RUNTIME_DIR/retroglimmer.socket" ]] ||
    fail "expected a stale lock and socket: $(ls -la "$XDG_RUNTIME_DIR")"
wait_for 10 sh -c "! xwininfo -root -tree | grep -q '\"Retro Glimmer\"'" || fail "windows outlived the program"
start_docked
second_start "after SIGKILL"
pass "a lock and socket left by SIGKILL do not block the next start"

# A lock naming a live process of another program (its id reused).
stop_program "after SIGKILL"
sleep 300 &
E2E_PIDS+=($!)
printf '%s\nretroglimmer\n%s\n' "$!" "$(hostname)" >"$XDG_RUNTIME_DIR/retroglimmer.lock"
start_docked
second_start "over a reused id"
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
