#!/usr/bin/env bash
# Makes the README's pictures with the project's own tools: frames from
# retroglimmer-frame, the panels from retroglimmer-ui-screenshots, and a
# screenshot of the real program's overlay and panel over a colour-bar window
# under Xvfb with picom.
#   scripts/readme-pictures.sh   (after a build in ./build)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$here/build
out=$here/docs/images
export E2E_PROGRAM=$build/src/retroglimmer E2E_SOLID=$build/tests/e2e/e2e-solid-window
source "$here/tests/e2e/lib.sh"

frame=$build/tools/retroglimmer-frame
"$frame" --size 960x540 --time 789000000 --output "$out/frame-defaults.png"
"$frame" --size 960x540 --time 789000000.5 --set tintHue=0.08 --set tintOpacity=0.18 \
    --set phosphorGlow=1 --set gridOpacity=0.2 --set scanlineOpacity=0.45 \
    --set flickerIntensity=0.8 --set flickerMode=pulse --set horizontalDrift=1 \
    --set rollingBand=1 --set dustNoise=0.6 --output "$out/frame-amber.png"
"$frame" --size 960x540 --time 789000000.25 --set tintOpacity=1 --set phosphorGlow=1 \
    --set gridOpacity=1 --set scanlineOpacity=1 --set flickerIntensity=1 --set horizontalDrift=1 \
    --set horizontalDriftSpeed=1 --set rollingBand=1 --set rollingBandSpeed=1 --set dustNoise=1 \
    --output "$out/frame-every-effect.png"
for palette in "" dark; do
    QT_QPA_PLATFORM=offscreen "$build/tools/retroglimmer-ui-screenshots" "$out" $palette
done

start_x 1280x720
start_tray
start_solid bars 60 60 1160 620
write_settings gridSize=5 gridOpacity=0.35 scanlineOpacity=0.5 tintHue=0.33 tintOpacity=0.12 \
    phosphorGlow=0.8 flickerIntensity=0.4 horizontalDrift=0.6 rollingBand=0.8 dustNoise=0.3
start_program
wait_for 10 tray_icon_window || fail "tray icon did not dock"
click_tray_icon
wait_for 5 panel_window || fail "panel did not open"
xdotool key space
wait_for 5 sh -c '[ "$(xwininfo -root -children | grep -c "\"Retro Glimmer overlay")" = 1 ]'
sleep 1
screenshot "$out/overlay-on-screen.png"
echo "pictures written to $out"
