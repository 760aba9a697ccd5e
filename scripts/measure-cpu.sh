#!/usr/bin/env bash
# CPU use of the real program with the overlay on, under Xvfb with picom: on one
# 1920x1080 screen, one 3840x2160 screen and two 1920x1080 screens (one
# 3840x1080 Xvfb split in two monitors), each once with the default settings
# (grid and vignette only) and once with every effect at 1. Reports percent of
# one core over 10 s for the program, the X server and picom, measured from
# /proc after the first frames are drawn. The case sway-1080p measures the
# same under a headless sway on one 1920x1080 output, where the overlay is the
# native layer surface (switched on through the test driver, the program's own
# start-up, since that session has no tray to click).
#   scripts/measure-cpu.sh [path/to/retroglimmer] [case...]
# where a case is 1080p, 4k, two-1080p or sway-1080p (all four when none is
# given). The build folder is taken to be the program's grandparent.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
export E2E_PROGRAM=${1:-$here/build/src/retroglimmer}
shift || true
cases=("$@")
((${#cases[@]})) || cases=(1080p 4k two-1080p sway-1080p)
build=$(cd "$(dirname "$E2E_PROGRAM")/.." && pwd)
export E2E_DRIVER=$build/tests/e2e/e2e-overlay-driver E2E_SOLID=$build/tests/e2e/e2e-solid-window
export E2E_POINTER=$build/tests/e2e/e2e-virtual-pointer
ALL=(gridOpacity=1 scanlineOpacity=1 tintOpacity=1 flickerIntensity=1 phosphorGlow=1
     horizontalDrift=1 horizontalDriftSpeed=1 rollingBand=1 rollingBandSpeed=1 dustNoise=1)


# One case in its own shell, so that every server it starts ends with it.
run_case() (
    source "$here/tests/e2e/lib.sh"
    local name=$1 size=$2 monitors=$3
    start_x "$size"
    local xserver=${E2E_PIDS[0]} picom=${E2E_PIDS[1]}
    if ((monitors == 2)); then
        xrandr --setmonitor L 1920/508x1080/286+0+0 screen >/dev/null
        xrandr --setmonitor R 1920/508x1080/286+1920+0 none >/dev/null
    fi
    start_tray

    measure() {
        local label=$1
        shift
        write_settings "$@"
        start_program
        wait_for 10 tray_icon_window || fail "tray icon did not dock"
        click_tray_icon
        wait_for 5 panel_window || fail "panel did not open"
        xdotool key space Escape
        wait_for 5 sh -c "[ \"\$(xwininfo -root -children | grep -c '\"Retro Glimmer overlay')\" = $monitors ]" ||
            fail "overlay did not show on $monitors screen(s)"
        sleep 2
        local pid before=() after=()
        for pid in "$PROGRAM_PID" "$xserver" "$picom"; do before+=("$(cpu_ticks "$pid")"); done
        sleep 10
        for pid in "$PROGRAM_PID" "$xserver" "$picom"; do after+=("$(cpu_ticks "$pid")"); done
        awk -v c="$name" -v l="$label" -v hz="$(getconf CLK_TCK)" \
            -v p=$((after[0] - before[0])) -v x=$((after[1] - before[1])) \
            -v q=$((after[2] - before[2])) 'BEGIN {
                printf "%-10s %-26s program %6.2f %%  X server %6.2f %%  picom %6.2f %%\n",
                    c, l, p * 10 / hz, x * 10 / hz, q * 10 / hz }'
        kill "$PROGRAM_PID"
        wait "$PROGRAM_PID" || true
    }

    measure "defaults (grid, vignette)"
    measure "every effect at 1" "${ALL[@]}"
)

# The program under sway: its CPU only (the compositor's is not comparable).
run_sway() (
    source "$here/tests/e2e/wayland-lib.sh"
    start_sway "output HEADLESS-1 resolution 1920x1080"
    measure() {
        local label=$1
        shift
        write_settings "$@"
        chown -R "$W_USER:$W_GROUP" "$XDG_CONFIG_HOME"
        start_wayland_driver WAYLAND_DEBUG=
        driver on
        wait_for 10 surface_count_is 1 || fail "no overlay surface"
        sleep 2
        printf "%-10s %-26s program %6.2f %%\n" sway-1080p "$label" "$(cpu_percent "$DRIVER_PID" 10)"
        driver quit
        wait "$DRIVER_PID" || true
    }
    measure "defaults (grid, vignette)"
    measure "every effect at 1" "${ALL[@]}"
)

echo "percent of one core over 10 s; load average before: $(cut -d' ' -f1 /proc/loadavg)"
for name in "${cases[@]}"; do
    case $name in
    1080p) run_case 1080p 1920x1080 1 ;;
    4k) run_case 4k 3840x2160 1 ;;
    two-1080p) run_case two-1080p 3840x1080 2 ;;
    sway-1080p) run_sway ;;
    *) echo "unknown case: $name (1080p, 4k, two-1080p or sway-1080p)" >&2; exit 2 ;;
    esac
done
echo "load average after: $(cut -d' ' -f1 /proc/loadavg)"
