#!/usr/bin/env bash
# CPU use of the real program with the overlay on, under Xvfb with picom, on one
# 1920x1080 screen: once with the default settings (grid and vignette only) and
# once with every effect at 1. Reports percent of one core over 10 s, measured
# from /proc after the first frames are drawn.
#   scripts/measure-cpu.sh [path/to/retroglimmer]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
export E2E_PROGRAM=${1:-$here/build/src/retroglimmer}
source "$here/tests/e2e/lib.sh"

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
    sleep 2
    printf "%-28s %6.2f %% of one core\n" "$label" "$(cpu_percent "$PROGRAM_PID" 10)"
    kill "$PROGRAM_PID"
    wait "$PROGRAM_PID" || true
}

start_x 1920x1080
start_tray
measure "defaults (grid, vignette)"
measure "every effect at 1" gridOpacity=1 scanlineOpacity=1 tintOpacity=1 flickerIntensity=1 \
    phosphorGlow=1 horizontalDrift=1 horizontalDriftSpeed=1 rollingBand=1 rollingBandSpeed=1 \
    dustNoise=1
