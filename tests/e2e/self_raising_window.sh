#!/usr/bin/env bash
# A window that raises itself whenever its place in the stack changes (as
# screen lockers do) against the overlay: the program soon leaves it on top,
# says so once, spends next to no CPU on it, and still keeps the overlay above
# an ordinary full-screen window mapped later.
source "$(dirname "$0")/lib.sh"

start_x 1280x720
write_settings tintOpacity=0.5 tintHue=0.6
"$E2E_RAISER" '#e0e020' 900 500 200 120 >"$E2E_TMP/raiser.log" 2>&1 &
E2E_PIDS+=($!)
wait_for 10 grep -q shown "$E2E_TMP/raiser.log" || fail "the self-raising window did not show"
raiser=$(xdotool search --name '^e2e-self-raiser$' | head -1)
start_driver
driver on
wait_overlay_windows 1 || fail "no overlay window after switching on"
sleep 1
raises=$(grep -c raise "$E2E_TMP/raiser.log")
cpu=$(cpu_percent "$DRIVER_PID" 5)
more=$(($(grep -c raise "$E2E_TMP/raiser.log") - raises))
((raises >= 10)) || fail "the window raised itself only $raises times: no contest to settle"
awk -v c="$cpu" 'BEGIN { exit !(c < 2) }' || fail "the program used $cpu % of a core"
((more < 20)) || fail "the window raised itself $more times more in 5 s"
pass "contest settled after $raises raises; then $cpu % of a core and $more raises in 5 s"

grep 'keeps raising itself' "$E2E_TMP/driver.err" >"$E2E_TMP/yield" || true
[[ $(wc -l <"$E2E_TMP/yield") == 1 ]] || fail "stderr: $(cat "$E2E_TMP/driver.err")"
grep -qi "$(printf '0x%x' "$raiser").*e2e-self-raiser.*SelfRaiser" "$E2E_TMP/yield" ||
    fail "stderr does not name the window: $(cat "$E2E_TMP/yield")"
pass "stderr names the window once: $(cat "$E2E_TMP/yield")"

start_solid '#c03030' 0 0 640 480 fullscreen
sleep 1
screenshot "$E2E_TMP/shot.png"
cp "$E2E_TMP/shot.png" "${E2E_ARTIFACTS:-$E2E_TMP}/self-raising-window.png" 2>/dev/null || true
close_to "$(pixel "$E2E_TMP/shot.png" 400 300)" "192 48 48" 20 &&
    fail "the full-screen window covers the overlay"
close_to "$(pixel "$E2E_TMP/shot.png" 1000 560)" "224 224 32" 0 ||
    fail "the self-raising window is covered: $(pixel "$E2E_TMP/shot.png" 1000 560)"
pass "the overlay stays above a full-screen window, the self-raising window above both"

signal_ends_cleanly "$DRIVER_PID" TERM driver
