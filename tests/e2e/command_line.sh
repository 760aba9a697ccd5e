#!/usr/bin/env bash
# The command line: with no copy running, --set, --get and --reset work on
# the settings file and --on starts the program switched on; against the
# running copy each command acts as the panel would (overlay windows, file).
# Every bad option, name or value exits 2 and leaves the file as it was.
source "$(dirname "$0")/lib.sh"

file() { echo "$XDG_CONFIG_HOME/retroglimmer/retroglimmer.conf"; }
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

cp "$(file)" "$E2E_TMP/before.conf"
for bad in "--bogus" "--set gridSize=100" "--set nope=1" "--set gridSize=abc" "--set gridSize" \
    "--get nope" "--on --off" "--set tintHue=0.5 stray" "--set"; do
    status=0
    rg $bad >/dev/null 2>"$E2E_TMP/bad.err" || status=$?
    [[ $status == 2 && $(wc -l <"$E2E_TMP/bad.err") == 1 ]] ||
        fail "'$bad': status $status, said: $(cat "$E2E_TMP/bad.err")"
    cmp -s "$(file)" "$E2E_TMP/before.conf" || fail "'$bad' changed the settings file"
    [[ $(x_overlay_windows) == 0 ]] || fail "'$bad' started the program"
done
pass "bad options, names and values exit 2 with one line and change nothing"

# --on with no copy running starts one, switched on.
"$E2E_PROGRAM" --on >"$E2E_TMP/program.out" 2>"$E2E_TMP/program.err" &
PROGRAM_PID=$!
E2E_PIDS+=($PROGRAM_PID)
wait_overlay_windows 1 || fail "--on started no overlay: $(cat "$E2E_TMP/program.err")"
wait_for 5 sh -c "grep -q '^overlay.isEnabled=true' '$(file)'" || fail "--on was not stored"
pass "--on with no copy running starts the program switched on"

rg --off || fail "--off: status $?"
wait_overlay_windows 0 || fail "--off left the overlay on"
expect_setting isEnabled false
rg --toggle || fail "--toggle: status $?"
wait_overlay_windows 1 || fail "--toggle did not switch the overlay on"
rg --set tintOpacity=0.5 || fail "--set: status $?"
wait_for 5 sh -c "grep -q '^overlay.tintOpacity=0.5' '$(file)'" || fail "--set was not stored"
[[ $(rg --get tintOpacity) == tintOpacity=0.5 ]] || fail "--get from the running copy"
rg --look "Scanlines only" || fail "--look: status $?"
[[ $(rg --get gridOpacity) == gridOpacity=0 ]] || fail "--look did not take the look's values"
rg --reset || fail "--reset: status $?"
wait_overlay_windows 0 || fail "--reset left the overlay on"
wait_for 5 sh -c "grep -q '^overlay.gridOpacity=0.3' '$(file)'" || fail "--reset kept the look"
cp "$(file)" "$E2E_TMP/before.conf"
status=0
rg --set gridSize=0 2>/dev/null || status=$?
[[ $status == 2 ]] && cmp -s "$(file)" "$E2E_TMP/before.conf" || fail "a bad value reached the copy"
rg --show-panel || fail "--show-panel: status $?"
wait_for 10 has_panel || fail "--show-panel opened no panel"
kill -0 "$PROGRAM_PID" || fail "the running copy ended"
pass "--off, --toggle, --set, --get, --look, --reset and --show-panel act on the running copy"
