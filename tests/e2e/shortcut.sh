#!/usr/bin/env bash
# The global shortcut: Ctrl+Alt+Shift+G switches the overlay on and off,
# whichever window has the keyboard, also with Num Lock on. Held by the window
# manager instead, it is reported once and the program runs without it.
source "$(dirname "$0")/lib.sh"

start_x 1280x720
start_tray
start_solid "#336699" 100 100 400 300
start_program
wait_for 10 tray_icon_window || fail "tray icon did not dock"

xdotool key ctrl+alt+shift+g
wait_overlay_windows 1 || fail "the shortcut did not switch the overlay on"
wait_for 5 sh -c "grep -q '^overlay.isEnabled=true' '$XDG_CONFIG_HOME/retroglimmer/retroglimmer.conf'" ||
    fail "the switch by shortcut was not stored"
xdotool key Num_Lock ctrl+alt+shift+g Num_Lock
wait_overlay_windows 0 || fail "the shortcut with Num Lock on did not switch the overlay off"
pass "Ctrl+Alt+Shift+G toggles the overlay, Num Lock or not"

kill "$PROGRAM_PID"
wait "$PROGRAM_PID" || true
cat >"$E2E_TMP/rc.xml" <<'XML'
<?xml version="1.0"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <keyboard><keybind key="C-A-S-g"><action name="Execute"><command>true</command></action></keybind></keyboard>
</openbox_config>
XML
openbox --replace --config-file "$E2E_TMP/rc.xml" >"$E2E_TMP/openbox2.log" 2>&1 &
E2E_PIDS+=($!)
sleep 1
start_program
wait_for 10 tray_icon_window || fail "the program did not start beside a taken shortcut"
sleep 1
[[ $(grep -c "shortcut Ctrl+Alt+Shift+G is taken" "$E2E_TMP/program.err") == 1 ]] ||
    fail "the taken shortcut was not reported once: $(cat "$E2E_TMP/program.err")"
xdotool key ctrl+alt+shift+g
sleep 1
[[ $(x_overlay_windows) == 0 ]] || fail "the program acted on a shortcut it does not hold"
kill -0 "$PROGRAM_PID" || fail "the program ended"
pass "a shortcut the window manager holds is reported once; the program goes on"
