# Shared helpers for the end-to-end tests: a private X server with a
# compositor, a window manager and a tray, and ways to look at the screen.
# Every process started here is ended by PID when the test exits.
set -euo pipefail

E2E_PIDS=()
E2E_TMP=$(mktemp -d)
e2e_cleanup() {
    local i pid
    for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do kill "${E2E_PIDS[i]}" 2>/dev/null || true; done
    for pid in "${E2E_PIDS[@]}"; do
        wait_for 5 eval "! kill -0 $pid" || kill -9 "$pid" 2>/dev/null || true
    done
    rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
pass() { echo "ok: $*"; }

# Waits up to $1 seconds for the command in the other arguments to succeed.
wait_for() {
    local seconds=$1; shift
    local tries=$((seconds * 10))
    for _ in $(seq "$tries"); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
    return 1
}

# start_x WIDTHxHEIGHT [nocompositor]: a private Xvfb on a free display, picom
# (unless told not to) and openbox. E2E_XVFB_ARGS adds options to Xvfb.
start_x() {
    local size=${1:-1920x1080}
    local fifo="$E2E_TMP/displayfd"
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset ${E2E_XVFB_ARGS:-} 3>"$fifo" 2>"$E2E_TMP/xvfb.log" &
    E2E_PIDS+=($!)
    local display
    read -r -t 20 display <"$fifo" || fail "Xvfb did not start"
    export DISPLAY=":$display"
    export XDG_RUNTIME_DIR="$E2E_TMP/runtime" XDG_CONFIG_HOME="$E2E_TMP/config"
    mkdir -p "$XDG_CONFIG_HOME" && mkdir -m 0700 -p "$XDG_RUNTIME_DIR"
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM
    [[ "${2:-}" == nocompositor ]] || start_compositor
    openbox >"$E2E_TMP/openbox.log" 2>&1 &
    E2E_PIDS+=($!)
    wait_for 10 xprop -root _NET_SUPPORTING_WM_CHECK || fail "openbox did not start"
    sleep 0.5
}

# start_compositor: picom, which blends exactly. Sets COMPOSITOR_PID.
start_compositor() {
    picom --backend xrender --config /dev/null >>"$E2E_TMP/picom.log" 2>&1 &
    COMPOSITOR_PID=$!
    E2E_PIDS+=($COMPOSITOR_PID)
}

# start_tray [TRAYER OPTIONS]: a tray at the top right. Sets TRAY_PID.
start_tray() {
    trayer --edge top --align right --widthtype pixel --width 120 --heighttype pixel \
        --height 28 --SetDockType true "$@" >"$E2E_TMP/trayer.log" 2>&1 &
    TRAY_PID=$!
    E2E_PIDS+=($!)
    wait_for 10 sh -c "xwininfo -root -tree | grep -q '\"panel\"'" || fail "trayer did not start"
}

# start_solid COLOR X Y W H [fullscreen]: a plain window; its output (clicks)
# goes to $E2E_TMP/solid-N.log. Sets SOLID_LOG.
E2E_SOLIDS=0
start_solid() {
    E2E_SOLIDS=$((E2E_SOLIDS + 1))
    SOLID_LOG="$E2E_TMP/solid-$E2E_SOLIDS.log"
    "$E2E_SOLID" "$@" >"$SOLID_LOG" 2>&1 &
    E2E_PIDS+=($!)
    wait_for 10 grep -q shown "$SOLID_LOG" || fail "solid window did not show"
    sleep 0.5
}

# start_driver [VAR=VALUE]...: the program's start-up with a command line on a
# fifo, in that environment, run as AS_USER (if set).
AS_USER=()
start_driver() {
    rm -f "$E2E_TMP/driver.in"
    mkfifo "$E2E_TMP/driver.in"
    env "$@" "${AS_USER[@]}" "$E2E_DRIVER" <"$E2E_TMP/driver.in" >"$E2E_TMP/driver.out" \
        2>"$E2E_TMP/driver.err" &
    E2E_PIDS+=($!)
    DRIVER_PID=$!
    exec 4>"$E2E_TMP/driver.in"
    wait_for 20 grep -q ready "$E2E_TMP/driver.out" ||
        fail "driver did not start: $(grep -v '^\[' "$E2E_TMP/driver.err" | tail -5)"
}

driver() { echo "$*" >&4; }

# Ends the driver with its "quit" command; it must exit with status 0.
quit_driver() {
    driver quit
    wait "$DRIVER_PID" || fail "driver exited with $?"
}

# end_process PID [SIGNAL]: sends the signal (TERM) and reaps the process.
end_process() {
    kill -"${2:-TERM}" "$1"
    wait "$1" 2>/dev/null || true
}

# said_once PATTERN FILE WHAT: exactly one line of FILE matches PATTERN.
said_once() { [[ $(grep -c -- "$1" "$2") == 1 ]] || fail "$3: '$1' not said once: $(cat "$2")"; }

# signal_ends_cleanly PID SIGNAL WHAT: the signal ends the process with status 0.
signal_ends_cleanly() {
    kill -0 "$1" 2>/dev/null || fail "$3: the process died before SIG$2"
    kill -"$2" "$1"
    wait "$1" || fail "$3: SIG$2 ended it with status $?"
}

# Overlay windows on the X server (override-redirect, by title), mapped or not,
# as "WxH+X+Y" each, sorted.
overlay_geometries() {
    xwininfo -root -children 2>/dev/null | awk '/"Retro Glimmer overlay/{print $(NF-1)}' | sort | xargs
}
overlay_count_is() { [[ $(overlay_geometries | wc -w) == "$1" ]]; }
wait_overlay_windows() { wait_for 10 overlay_count_is "$1"; }
overlay_shown() { [[ -n $(overlay_geometries) ]]; }

# overlays_are GEOMETRY...: waits until the X server holds exactly these.
overlays_now() { [[ $(overlay_geometries) == "$*" ]]; }
overlays_are() { wait_for 10 overlays_now "$@" || fail "overlay windows: '$(overlay_geometries)', expected '$*'"; }

# mapped_overlays_are N: the X server has N overlay windows mapped.
mapped_overlays_are() {
    [[ $(xdotool search --onlyvisible --name '^Retro Glimmer overlay' 2>/dev/null | wc -l) == "$1" ]]
}

# screenshot FILE [KEPT]: the X screen; KEPT names a copy kept with the build.
screenshot() { import -window root "$1"; keep "$1" "${2:-}"; }
keep() { [[ -z $2 ]] || cp "$1" "${E2E_ARTIFACTS:-$E2E_TMP}/$2" 2>/dev/null || true; }

# pixel FILE X Y: "R G B" of one pixel, "R G B A" where the image has alpha.
pixel() {
    convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- |
        sed -n '2s/^[^(]*(\([^)]*\)).*/\1/p' | tr ',' ' '
}

# blended FRAME X Y "R G B": "R G B" of the frame's pixel laid over that colour.
blended() {
    local r g b a below=($4)
    read -r r g b a <<<"$(pixel "$1" "$2" "$3")"
    echo "$(((r * a + below[0] * (255 - a) + 127) / 255)) $(((g * a + below[1] * (255 - a) + 127) / 255)) $(((b * a + below[2] * (255 - a) + 127) / 255))"
}

# close_to "R G B" "R G B" TOLERANCE
close_to() {
    local a=($1) b=($2) i
    for i in 0 1 2; do (((a[i] - b[i]) ** 2 <= $3 ** 2)) || return 1; done
}

# frame SIZE FILE NAME=VALUE...: the frame tool's frame at time 0.
frame() {
    local kv args=(--size "$1" --time 0 --output "$2")
    for kv in "${@:3}"; do args+=(--set "$kv"); done
    "$E2E_FRAME" "${args[@]}"
}

# expect_blend SHOT FRAME "R G B" SPOTS...: each "X Y" pixel of the screenshot
# equals the frame's pixel (at the same logical spot) over colour R G B.
expect_blend() {
    local shot=$1 frame=$2 below=$3 spot x y expected actual
    shift 3
    for spot in "$@"; do
        read -r x y <<<"$spot"
        expected=$(blended "$frame" "$x" "$y" "$below")
        actual=$(pixel "$shot" "$x" "$y")
        close_to "$actual" "$expected" 3 ||
            fail "pixel $x,$y is $actual, expected $expected (frame $(pixel "$frame" "$x" "$y"))"
    done
}

write_settings() {
    mkdir -p "$XDG_CONFIG_HOME/retroglimmer"
    { echo "[General]"; for kv in "$@"; do echo "overlay.$kv"; done; } \
        >"$XDG_CONFIG_HOME/retroglimmer/retroglimmer.conf"
}

# cpu_ticks PID: CPU time (user + system) a process has used, in clock ticks.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# cpu_percent PID SECONDS: percent of one core the process uses over SECONDS.
cpu_percent() {
    local before
    before=$(cpu_ticks "$1")
    sleep "$2"
    awk -v t=$(($(cpu_ticks "$1") - before)) -v hz="$(getconf CLK_TCK)" -v s="$2" \
        'BEGIN { printf "%.2f", t * 100 / hz / s }'
}

# start_program [ARGUMENT]...: the real program, as a person starts it, run as
# RUN_AS (if set). Sets PROGRAM_PID.
RUN_AS=()
start_program() {
    "${RUN_AS[@]}" "$E2E_PROGRAM" "$@" >"$E2E_TMP/program.out" 2>"$E2E_TMP/program.err" &
    PROGRAM_PID=$!
    E2E_PIDS+=($PROGRAM_PID)
}

# start_docked: the real program, once its tray icon has docked.
start_docked() {
    start_program
    wait_for 20 tray_icon_window || fail "tray icon did not dock: $(cat "$E2E_TMP/program.err")"
}

# stop_program WHAT: SIGTERM ends the real program with status 0.
stop_program() {
    signal_ends_cleanly "$PROGRAM_PID" TERM "$1 (stderr so far: $(<"$E2E_TMP/program.err"))"
}

# Absolute geometry "X Y W H" of a window id.
window_geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
        /^  Width/{w=$NF} /^  Height/{h=$NF} END{print x, y, w, h}'
}

# The docked tray icons' windows, embedded somewhere below the tray's window.
tray_icons() {
    local tray
    tray=$(xwininfo -root -tree | grep '"panel"' | head -1 | awk '{print $1}')
    [[ -n "$tray" ]] && xwininfo -id "$tray" -tree | awk '/"Retro Glimmer"/{print $1}'
}
tray_icon_window() {
    local icons
    icons=$(tray_icons) && [[ -n $icons ]] && echo "${icons%%$'\n'*}"
}

# tray_icon_stands_out RRGGBB: on a tray of that colour an eighth or more of
# the docked icon's pixels are more than half the grey scale away from it.
tray_icon_stands_out() {
    local x y w h contrasting invert=
    read -r x y w h <<<"$(window_geometry "$(tray_icon_window)")"
    ((w >= 16 && h >= 16)) || fail "tray icon is ${w}x${h}"
    [[ $1 == ffffff ]] && invert=-negate
    sleep 1 # the icon is drawn a moment after it docks
    screenshot "$E2E_TMP/tray-$1.png"
    contrasting=$(convert "$E2E_TMP/tray-$1.png" -crop "${w}x${h}+$x+$y" +repage \
        -colorspace Gray $invert -threshold 50% -format '%[fx:round(mean*w*h)]' info:)
    ((contrasting * 8 >= w * h)) ||
        fail "on a tray of #$1 only $contrasting of the icon's $((w * h)) pixels stand out"
    pass "$contrasting of the tray icon's $((w * h)) pixels stand out on #$1"
}

# click_tray_icon [BUTTON]: clicks the middle of the docked tray icon.
click_tray_icon() {
    local icon
    icon=$(tray_icon_window) || fail "no docked tray icon"
    read -r x y w h <<<"$(window_geometry "$icon")"
    xdotool mousemove $((x + w / 2)) $((y + h / 2)) click "${1:-1}"
}

# The control panel popup as xwininfo lists it.
PANEL_LINE='"Retro Glimmer": .*342x592'
# The mapped control panel popup, or nothing.
panel_window() {
    xwininfo -root -children | awk -v line="$PANEL_LINE" '$0 ~ line {print $1}' | head -1
}

# setting NAME [FILE]: the stored value of one setting.
setting() {
    sed -n "s/^overlay\.$1=//p" "${2:-$XDG_CONFIG_HOME/retroglimmer/retroglimmer.conf}"
}

# Succeeds while the control panel popup is mapped.
has_panel() { [[ -n $(panel_window) ]]; }
panel_closed() { ! has_panel; }

# Opens the control panel; it opens with the keyboard focus on its switch.
open_panel() {
    click_tray_icon
    wait_for 10 has_panel || fail "the control panel did not open"
}

# ask COMMAND ANSWER: sends a command to the driver and waits for a line
# starting with ANSWER.
ask() {
    local before
    before=$(wc -l <"$E2E_TMP/driver.out")
    driver "$1"
    wait_for 10 sh -c "tail -n +$((before + 1)) '$E2E_TMP/driver.out' | grep -q '^$2'" ||
        fail "no answer to '$1'"
}

# The settings file as QSettings writes it: a [General] header and nothing but
# overlay.NAME=VALUE lines (a half-written file would break off or mix lines).
settings_file_is_whole() {
    local file=$XDG_CONFIG_HOME/retroglimmer/retroglimmer.conf
    [[ -s "$file" && $(head -n 1 "$file") == "[General]" ]] &&
        ! tail -n +2 "$file" | grep -qvE '^overlay\.[A-Za-z]+=[^=]+$'
}

# setting_is NAME VALUE [FILE]
setting_is() { [[ $(setting "$1" "${3:-}") == "$2" ]]; }

# expect_setting NAME VALUE
expect_setting() { setting_is "$1" "$2" || fail "$1 is '$(setting "$1")' in the settings file, expected '$2'"; }
