#!/usr/bin/env bash
# CPU use of the real program with the overlay on, under Xvfb with picom, on one
# 1920x1080 screen: once with the default settings (grid and vignette only) and
# once with every effect at 1. Reports percent of one core over 10 s, measured
# from /proc after the first frames are drawn. Then the same under a headless
# sway on one 1920x1080 output, where the overlay is the native layer surface
# (switched on through the test driver, the program's own start-up, since that
# session has no tray to click).
#   scripts/measure-cpu.sh [path/to/retroglimmer [path/to/build]]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
export E2E_PROGRAM=${1:-$here/build/src/retroglimmer}
build=${2:-$here/build}
export E2E_DRIVER=$build/tests/e2e/e2e-overlay-driver E2E_SOLID=$build/tests/e2e/e2e-solid-window
export E2E_POINTER=$build/tests/e2e/e2e-virtual-pointer
source "$here/tests/e2e/lib.sh"

# report LABEL PID: CPU of the process over 10 s, once its first frames are out.
report() {
    sleep 2
    printf "%-36s %6.2f %% of one core\n" "$1" "$(cpu_percent "$2" 10)"
}

measure() {
    local label=$1
    shift
    write_settings "$@"
    start_program
    wait_for 10 tray_icon_window || fail "tray icon did not dock"
    click_tray_icon
    wait_for 5 panel_window || fail "panel did not open"
    xdotool key space Escape
    wait_for 5 sh -c '[ "$(xwininfo -root -children | grep -c "\"Retro Glimmer overlay")" = 1 ]' ||
        fail "overlay did not show"
    report "X11: $label" "$PROGRAM_PID"
    kill "$PROGRAM_PID"
    wait "$PROGRAM_PID" || true
}

measure_sway() {
    local label=$1
    shift
    write_settings "$@"
    chown -R "$W_USER:$W_GROUP" "$XDG_CONFIG_HOME"
    start_wayland_driver WAYLAND_DEBUG=
    driver on
    wait_for 10 surface_count_is 1 || fail "no overlay surface"
    report "sway: $label" "$DRIVER_PID"
    driver quit
    wait "$DRIVER_PID" || true
}

ALL=(gridOpacity=1 scanlineOpacity=1 tintOpacity=1 flickerIntensity=1 phosphorGlow=1
     horizontalDrift=1 horizontalDriftSpeed=1 rollingBand=1 rollingBandSpeed=1 dustNoise=1)
start_x 1920x1080
start_tray
measure "defaults (grid, vignette)"
measure "every effect at 1" "${ALL[@]}"
(
    source "$here/tests/e2e/wayland-lib.sh"
    start_sway "output HEADLESS-1 resolution 1920x1080"
    measure_sway "defaults (grid, vignette)"
    measure_sway "every effect at 1" "${ALL[@]}"
)
