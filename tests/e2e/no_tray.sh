#!/usr/bin/env bash
# Without a tray at start the controls open as an ordinary window; a tray that
# appears later gets the icon, and one that restarts gets it again, where it
# stands out on a light tray. Closed, the window comes back when the program
# is started again.
source "$(dirname "$0")/lib.sh"

start_x 1280x720

# The controls as a managed window: "Retro Glimmer", not the popup, framed by
# the window manager.
controls_window() {
    local id
    for id in $(xdotool search --onlyvisible --name '^Retro Glimmer$' 2>/dev/null); do
        xprop -id "$id" WM_STATE 2>/dev/null | grep -q Normal || continue
        printf '0x%x\n' "$id"
        return 0
    done
    return 1
}

start_program
wait_for 20 controls_window || fail "no window with the controls: $(cat "$E2E_TMP/program.err")"
! has_panel || fail "a popup opened instead of a window"
pass "no tray at start: the controls open as a window"

# Closed, it comes back when the program is started again.
# As the user does: the window manager's close (Alt+F4 under openbox).
xdotool windowactivate --sync "$(controls_window)" key alt+F4
wait_for 10 eval '! controls_window' || fail "the window did not close"
kill -0 "$PROGRAM_PID" || fail "closing the window ended the program"
timeout 30 "$E2E_PROGRAM" || fail "second start: exit status $?"
wait_for 10 controls_window || fail "a second start did not bring the window back"
pass "the closed window comes back with a second start"

start_tray
wait_for 20 tray_icon_window || fail "the icon did not dock in a tray that appeared later"
open_panel
xdotool key Escape
wait_for 10 panel_closed || fail "Escape did not close the panel"
pass "a tray that appears later gets the icon"

end_process "$TRAY_PID"
start_tray --transparent true --alpha 0 --tint 0xffffff
wait_for 20 tray_icon_window || fail "the icon did not dock in a restarted tray"
kill -0 "$PROGRAM_PID" || fail "the program ended with the tray"
pass "a restarted tray gets the icon again"
tray_icon_stands_out ffffff
