#!/usr/bin/env bash
# A Wayland session with neither XWayland nor layer shell (mutter without X11):
# the controls come up on Qt's Wayland platform; switching the overlay on opens
# no ordinary window that would take the focus and cover nothing, and the
# reason is said once.
source "$(dirname "$0")/wayland-lib.sh"

toplevels() { grep -cE ' -> xdg_surface@[0-9]+\.get_toplevel\(' "$E2E_TMP/driver.err" || true; }
any_toplevel() { (($(toplevels) >= 1)); }

start_mutter --no-x11
start_wayland_driver
wait_for 10 any_toplevel || fail "the controls window did not open"
before=$(toplevels)
driver on
driver off
driver on
sleep 2
[[ $(toplevels) == "$before" ]] || fail "switching on opened $(($(toplevels) - before)) windows"
said_once 'neither XWayland nor layer shell' "$E2E_TMP/driver.err" "no layer shell"
pass "without XWayland or layer shell: no window on switching on, the reason said once"
quit_driver
