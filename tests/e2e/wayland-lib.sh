# Helpers for end-to-end tests under a headless sway (wlroots) session with
# XWayland. sway refuses to run as root, so the session and every client run
# as the unprivileged user nobody, from copies of the binaries in a folder it
# can read; the test itself looks on as root.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# libwayland-client has no frame pointers: under the sanitizers, full
# unwinding lets a leak report name the code that made the object.
[[ -z ${ASAN_OPTIONS:-} ]] || export ASAN_OPTIONS=$ASAN_OPTIONS:fast_unwind_on_malloc=0

W_USER=nobody
W_GROUP=nogroup
AS_USER=(setpriv --reuid=$W_USER --regid=$W_GROUP --clear-groups)
# Run by that user already (no root to change to): as it is.
[[ $(id -u) -eq 0 ]] || AS_USER=(env)

# start_sway [CONFIG LINE]...: the session, one 1280x720 output HEADLESS-1 plus
# the given lines; exports WAYLAND_DISPLAY, DISPLAY (XWayland) and SWAYSOCK.
start_sway() {
    chmod 755 "$E2E_TMP"
    W=$E2E_TMP/w
    mkdir -p "$W/bin" "$W/home/.config" "$W/runtime" "$W/out"
    cp "$E2E_DRIVER" "$E2E_SOLID" "$E2E_POINTER" "$W/bin/"
    chmod -R a+rX "$W"
    [[ $(id -u) -ne 0 ]] || chown -R $W_USER:$W_GROUP "$W/home" "$W/runtime" "$W/out"
    chmod 700 "$W/runtime"
    export HOME=$W/home XDG_RUNTIME_DIR=$W/runtime XDG_CONFIG_HOME=$W/home/.config
    unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM SWAYSOCK
    printf '%s\n' "xwayland enable" "default_border none" "output HEADLESS-1 resolution 1280x720 position 0 0" \
        "$@" "exec sh -c 'echo \"\$WAYLAND_DISPLAY \$DISPLAY\" >$W/out/session'" >"$W/sway.conf"
    chmod a+r "$W/sway.conf"
    WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
        "${AS_USER[@]}" sway -c "$W/sway.conf" >"$E2E_TMP/sway.log" 2>&1 &
    E2E_PIDS+=($!)
    wait_for 20 test -s "$W/out/session" || fail "sway did not start: $(tail -5 "$E2E_TMP/sway.log")"
    read -r WAYLAND_DISPLAY DISPLAY <"$W/out/session"
    export WAYLAND_DISPLAY DISPLAY
    SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock)
    export SWAYSOCK
}

# start_session_bus: a session bus owned by the session's user, for swaybar's
# tray (it is the StatusNotifierWatcher); call it before start_sway.
start_session_bus() {
    mkdir -p "$E2E_TMP/bus"
    chmod 755 "$E2E_TMP"
    [[ $(id -u) -ne 0 ]] || chown $W_USER:$W_GROUP "$E2E_TMP/bus"
    export DBUS_SESSION_BUS_ADDRESS=unix:path=$E2E_TMP/bus/socket
    "${AS_USER[@]}" dbus-daemon --session --nofork --address="$DBUS_SESSION_BUS_ADDRESS" &
    E2E_PIDS+=($!)
    wait_for 10 test -S "$E2E_TMP/bus/socket" || fail "no session bus"
}

# root_session [BINARY]...: folders and environment for a compositor that runs
# as root, as its clients do, with copies of the test binaries (and these).
root_session() {
    W=$E2E_TMP/w
    mkdir -p "$W/bin" "$W/out" "$E2E_TMP/runtime" "$E2E_TMP/config"
    chmod 700 "$E2E_TMP/runtime"
    cp "$E2E_DRIVER" "$E2E_SOLID" "$E2E_POINTER" "$@" "$W/bin/"
    AS_USER=(env)
    export XDG_RUNTIME_DIR=$E2E_TMP/runtime XDG_CONFIG_HOME=$E2E_TMP/config HOME=$E2E_TMP
    unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
}

# start_kwin WIDTH HEIGHT SCALE: KDE's compositor, headless, one output of
# that logical size and scale, with XWayland; exports
# WAYLAND_DISPLAY and DISPLAY.
# Its installed binary carries a file capability that sandboxes refuse; a
# copy has none, and must keep the name or its Qt platform will not load.
start_kwin() {
    root_session /usr/bin/kwin_wayland
    dbus-run-session -- env KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 "$W/bin/kwin_wayland" --virtual \
        --xwayland --width "$1" --height "$2" --scale "$3" --socket retroglimmer-kwin --no-lockscreen \
        --no-global-shortcuts "sh -c 'echo \$WAYLAND_DISPLAY \$DISPLAY >$W/out/session'" \
        >"$E2E_TMP/kwin.log" 2>&1 &
    local session=$!
    wait_for 30 test -s "$W/out/session" || fail "kwin did not start: $(tail -5 "$E2E_TMP/kwin.log")"
    # The session's own processes, so that they end with the test.
    E2E_PIDS+=($session $(pgrep -P "$session"))
    read -r WAYLAND_DISPLAY DISPLAY <"$W/out/session"
    export WAYLAND_DISPLAY DISPLAY
}

# start_mutter [--no-x11]: GNOME's compositor, headless, one 1280x720 output,
# with XWayland (unless told not to) and a session bus; exports
# WAYLAND_DISPLAY, DBUS_SESSION_BUS_ADDRESS and, with XWayland, DISPLAY and
# XAUTHORITY.
start_mutter() {
    root_session
    dbus-run-session -- sh -c "echo \$DBUS_SESSION_BUS_ADDRESS >$W/out/bus; exec mutter --wayland \
        --headless --virtual-monitor 1280x720 --wayland-display retroglimmer-mutter $*" \
        >"$E2E_TMP/mutter.log" 2>&1 &
    local session=$!
    wait_for 30 sh -c "test -S '$XDG_RUNTIME_DIR/retroglimmer-mutter' && test -s '$W/out/bus'" ||
        fail "mutter did not start: $(tail -5 "$E2E_TMP/mutter.log")"
    E2E_PIDS+=($session $(pgrep -P "$session"))
    export WAYLAND_DISPLAY=retroglimmer-mutter DBUS_SESSION_BUS_ADDRESS
    DBUS_SESSION_BUS_ADDRESS=$(cat "$W/out/bus")
    [[ ${1:-} != --no-x11 ]] || return 0
    wait_for 30 sh -c "ls '$XDG_RUNTIME_DIR'/.mutter-Xwaylandauth.*" ||
        fail "mutter started no XWayland: $(tail -5 "$E2E_TMP/mutter.log")"
    export XAUTHORITY DISPLAY
    XAUTHORITY=$(ls "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.*)
    wait_for 10 pgrep -f "Xwayland.*$XAUTHORITY" || fail "no XWayland under mutter"
    DISPLAY=$(pgrep -af "Xwayland.*$XAUTHORITY" | grep -oE ' :[0-9]+' | head -1 | tr -d ' ')
}

# start_mutter_pointer: a pointer through mutter's remote desktop API; then
# click X Y works as with start_pointer.
start_mutter_pointer() {
    pointer_from /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/wayland/mutter-pointer.py"
}

# start_nested_sway: a sway inside the session whose two outputs (WL-1, WL-2)
# are windows of the outer one, so that closing a window takes an output away
# (a headless output cannot go). Sets INNER_DISPLAY and INNER_SOCK (its IPC).
start_nested_sway() {
    echo "default_border none" >"$W/inner.conf"
    chmod a+r "$W/inner.conf"
    local before
    before=$(ls "$XDG_RUNTIME_DIR")
    WLR_BACKENDS=wayland WLR_RENDERER=pixman WLR_WL_OUTPUTS=2 WLR_LIBINPUT_NO_DEVICES=1 \
        "${AS_USER[@]}" sway -c "$W/inner.conf" >"$E2E_TMP/inner-sway.log" 2>&1 &
    E2E_PIDS+=($!)
    wait_for 10 sh -c "[ \$(swaymsg -t get_tree | jq '[.. | objects | select(.app_id? == \"wlroots\")] | length') = 2 ]" ||
        fail "nested sway did not start: $(tail -3 "$E2E_TMP/inner-sway.log")"
    INNER_DISPLAY=$(comm -13 <(echo "$before") <(ls "$XDG_RUNTIME_DIR") | grep -E '^wayland-[0-9]+$')
    INNER_SOCK=$XDG_RUNTIME_DIR/$(comm -13 <(echo "$before") <(ls "$XDG_RUNTIME_DIR") | grep -E '^sway-ipc')
}

# start_native_solid COLOR: a native Wayland window of one colour, full screen
# on the focused output; its clicks go to SOLID_LOG.
start_native_solid() {
    SOLID_LOG=$W/out/solid.log
    QT_QPA_PLATFORM=wayland "${AS_USER[@]}" "$W/bin/e2e-solid-window" "$1" 0 0 640 480 fullscreen \
        >"$SOLID_LOG" 2>&1 &
    E2E_PIDS+=($!)
    wait_for 10 grep -q shown "$SOLID_LOG" || fail "native window did not show: $(cat "$SOLID_LOG")"
    sleep 1
}

# start_wayland_driver [VAR=VALUE]...: start_driver from the session's copy,
# logging the requests of its own Wayland connection to $E2E_TMP/driver.err.
start_wayland_driver() { E2E_DRIVER=$W/bin/e2e-overlay-driver start_driver WAYLAND_DEBUG=1 "$@"; }

# The overlay surfaces the driver reports, one "surface OUTPUT W H SCALE" line
# each, sorted.
surfaces() {
    local before
    before=$(wc -l <"$E2E_TMP/driver.out")
    ask panels "panels "
    tail -n +$((before + 1)) "$E2E_TMP/driver.out" | grep '^surface ' | sort || true
}

# Frames the program's own Wayland connection has committed so far.
commits() { grep -cE ' -> wl_surface@[0-9]+\.commit\(\)' "$E2E_TMP/driver.err" || true; }
committed_at_least() { (($(commits) >= $1)); }
surface_count_is() { [[ $(surfaces | grep -c .) == "$1" ]]; }
surfaces_are() { [[ $(surfaces) == "$1" ]]; }

# start_pointer WIDTH HEIGHT: a virtual pointer over a layout of that size.
start_pointer() { pointer_from "${AS_USER[@]}" "$W/bin/e2e-virtual-pointer" "$1" "$2"; }

# pointer_from COMMAND...: a pointer process that takes its commands on fd 5.
pointer_from() {
    mkfifo "$E2E_TMP/pointer.in"
    "$@" <"$E2E_TMP/pointer.in" >"$E2E_TMP/pointer.out" 2>&1 &
    E2E_PIDS+=($!)
    exec 5>"$E2E_TMP/pointer.in"
    wait_for 10 grep -q ready "$E2E_TMP/pointer.out" || fail "no pointer: $(cat "$E2E_TMP/pointer.out")"
}

# click X Y: a left click at layout coordinates, once the compositor took it.
click() {
    local before
    before=$(grep -c ok "$E2E_TMP/pointer.out" || true)
    echo "click $1 $2" >&5
    wait_for 5 sh -c "[ \$(grep -c ok '$E2E_TMP/pointer.out') -gt $before ]" || fail "click $1 $2 not taken"
}

# shot FILE [OUTPUT [KEPT]]: a screenshot of the whole layout or of one output.
shot() { grim ${2:+-o "$2"} "$1"; keep "$1" "${3:-}"; }
