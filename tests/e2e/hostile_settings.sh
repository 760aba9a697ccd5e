#!/usr/bin/env bash
# What only a real process shows about the settings file (its contents, its
# size, and a directory in the way, are the unit tests' matter): files and
# directories an ordinary user may not read or write; and what must neither
# block nor be written over: a FIFO in the file's or its lock's place, a
# 100 MB file in a read-only folder, which is not read either. SIGTERM ends
# the program with status 0 every time.
source "$(dirname "$0")/lib.sh"

start_x 1280x720
start_tray
CONF_DIR="$XDG_CONFIG_HOME/retroglimmer"
CONF="$CONF_DIR/retroglimmer.conf"

# A user for whom permissions bite: nobody when the tests run as root.
USER_HOME="$E2E_TMP/user" USER_RUN=()
mkdir -p "$USER_HOME/home" "$USER_HOME/config/retroglimmer" "$USER_HOME/runtime"
chmod 0700 "$USER_HOME/runtime"
if [[ $(id -u) == 0 ]]; then
    chmod 0711 "$E2E_TMP"
    chown -R nobody:nogroup "$USER_HOME"
    USER_RUN=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
USER_CONF_DIR="$USER_HOME/config/retroglimmer"
USER_CONF="$USER_CONF_DIR/retroglimmer.conf"

# user_conf: the user's settings file afresh, holding stdin (a copy goes to
# $E2E_TMP/original).
user_conf() {
    chmod 0755 "$USER_CONF_DIR"
    rm -rf "${USER_CONF_DIR:?}"/*
    tee "$USER_CONF" >"$E2E_TMP/original"
    [[ ${#USER_RUN[@]} == 0 ]] || chown nobody:nogroup "$USER_CONF"
}

start_as_user() {
    local RUN_AS=("${USER_RUN[@]}")
    HOME="$USER_HOME/home" XDG_CONFIG_HOME="$USER_HOME/config" XDG_RUNTIME_DIR="$USER_HOME/runtime" \
        start_program
}

# Keys are handled in order; a last Space on the switch shows the overlay,
# so once it shows, every key before it was handled.
keys_then_overlay() {
    xdotool key --delay 20 "$@" shift+Tab space
    wait_for 10 overlay_shown || fail "the overlay did not show"
}

# Permissions, as an ordinary user. The file holds gridSize 12; three steps
# to the right are taken, the first two while the store cannot be written, the
# last after the permission is given back: the file then shows what the
# program held all along (15 from the file's 12, 7 from the default 4 when it
# could not be read), and the complaint came once.
locked_case() {
    local name=$1 file_mode=$2 dir_mode=$3 expected=$4
    printf '[General]\noverlay.gridSize=12\n' | user_conf
    chmod "$file_mode" "$USER_CONF"
    chmod "$dir_mode" "$USER_CONF_DIR"

    start_as_user
    # Generously: nothing may hang.
    wait_for 60 tray_icon_window || fail "$name: no tray icon; stderr: $(cat "$E2E_TMP/program.err")"
    open_panel
    keys_then_overlay Tab Right Right
    # Let the write batched behind the switch fail too before giving way.
    sleep 1
    chmod 0755 "$USER_CONF_DIR"
    [[ $(cat "$USER_CONF") == $'[General]\noverlay.gridSize=12' ]] ||
        fail "$name: the file changed: $(cat "$USER_CONF")"
    chmod 0644 "$USER_CONF"
    xdotool key Tab Right
    wait_for 10 setting_is gridSize "$expected" "$USER_CONF" ||
        fail "$name: once writable the file holds: $(cat "$USER_CONF"), expected gridSize $expected"
    stop_program "$name"
    said_once "cannot write settings" "$E2E_TMP/program.err" "$name"
    pass "$name: runs with valid values, one line on stderr, written once allowed"
}
locked_case "unreadable file" 0000 0755 7
locked_case "read-only file" 0444 0755 15
locked_case "read-only directory" 0644 0555 15
locked_case "unreadable directory" 0644 0000 7

# What the program may not open or replace: it starts within 5 s, keeps its
# settings in memory and says so once, answers SIGTERM with 0, and the user's
# file (copied to $E2E_TMP/original beforehand) is left byte for byte.
expect_held_in_memory() {
    local name=$1 file=${2:-}
    wait_for 5 tray_icon_window || fail "$name: no tray icon within 5 s: $(cat "$E2E_TMP/program.err")"
    stop_program "$name"
    said_once "cannot write settings" "$E2E_TMP/program.err" "$name"
    ! grep -q "set aside" "$E2E_TMP/program.err" || fail "$name: $(cat "$E2E_TMP/program.err")"
    [[ -z $file ]] || cmp -s "$file" "$E2E_TMP/original" || fail "$name: the file was changed"
    pass "$name: starts, keeps settings in memory, one line, file untouched"
}

# A FIFO where the file belongs (changes are made too), and where its lock
# goes: QLockFile would block reading it to see whose it is.
mkdir -p "$CONF_DIR"
mkfifo "$CONF"
start_program
wait_for 5 tray_icon_window || fail "FIFO: no tray icon within 5 s"
open_panel
keys_then_overlay Tab Right Right Right
expect_held_in_memory "a FIFO at the settings path"
[[ -p "$CONF" ]] || fail "the FIFO at the settings path was replaced"

rm -f "$CONF" "$CONF.lock"
printf '[General]\noverlay.gridSize=12\n' | tee "$CONF" >"$E2E_TMP/original"
mkfifo "$CONF.lock"
start_program
expect_held_in_memory "a FIFO where the lock goes" "$CONF"

# 100 MB in a folder the user may not write: it cannot be set aside, and it is
# not read either (reading it would take the program's memory past its size).
# 100 MB after a readable line, which must not be read.
{ printf '[General]\noverlay.gridSize=30\n' && head -c 100M /dev/zero | tr '\0' x; } | user_conf
chmod 0555 "$USER_CONF_DIR"
start_as_user
wait_for 5 tray_icon_window || fail "big read-only: no tray icon within 5 s"
peak_kb=$(awk '/VmHWM/{print $2}' "/proc/$PROGRAM_PID/status")
# Under AddressSanitizer its shadow memory alone takes the program near 100 MB;
# reading the file would still add at least its own 100 MB.
limit_kb=100000
[[ -z ${ASAN_OPTIONS:-} ]] || limit_kb=180000
((peak_kb < limit_kb)) || fail "big read-only: the program's memory peaked at $peak_kb kB"
expect_held_in_memory "a 100 MB file in a read-only folder" "$USER_CONF"
chmod 0755 "$USER_CONF_DIR"
