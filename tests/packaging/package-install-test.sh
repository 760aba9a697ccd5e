#!/usr/bin/env bash
# Builds the Debian package from a build tree, installs it with apt, starts the
# installed program under a private X server and checks that it keeps running,
# then removes the package with apt and checks that none of its files are left.
#
#   package-install-test.sh BUILD_DIR
#
# Needs root for apt; exits 77 (reported as skipped) for anyone else.
set -euo pipefail

if [[ $(id -u) -ne 0 ]]; then
    echo "SKIPPED: installing a package with apt needs root; run the tests as root to include this one"
    exit 77
fi
build_dir=$(cd "$1" && pwd)
package=retroglimmer
export DEBIAN_FRONTEND=noninteractive
apt_get=(apt-get -y -q -o DPkg::Lock::Timeout=300)

work=$(mktemp -d)
chmod 755 "$work" # apt reads the .deb as its own unprivileged user
app_pid= xvfb_pid= we_installed=

fail() { echo "FAIL: $*" >&2; exit 1; }

cleanup() {
    local status=$?
    set +e
    kill $app_pid $xvfb_pid 2>/dev/null
    [[ -n $we_installed ]] && installed && "${apt_get[@]}" purge "$package" >/dev/null 2>&1
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT

installed() { [[ $(dpkg-query -W -f='${Status}' "$package" 2>/dev/null) == "install ok installed" ]]; }

# Other work trees on this machine may run this test too: one at a time.
exec 9>/tmp/retroglimmer-package-test.lock
flock -w 600 9 || fail "another package test kept the lock for 10 minutes"

if dpkg-query -W "$package" >/dev/null 2>&1; then
    echo "note: purging a $package package left from before this test"
    "${apt_get[@]}" purge "$package" >/dev/null || fail "could not purge the earlier $package"
fi

cpack --config "$build_dir/CPackConfig.cmake" -B "$work/cpack" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack failed"; }
debs=("$work"/cpack/*.deb) deb=${debs[0]}
[[ ${#debs[@]} -eq 1 && -f $deb ]] || fail "expected one .deb, found: ${debs[*]}"
# Computed by dpkg-shlibdeps.
names=$(dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/(.*//; s/ //g')
for dep in libc6 libqt6widgets6 libqt6svg6; do
    grep -qx "$dep" <<<"$names" || fail "Depends lacks $dep: $(dpkg-deb -f "$deb" Depends)"
done

we_installed=1
"${apt_get[@]}" install "$deb" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "apt-get install failed"; }
installed || fail "$package is not installed after apt-get install"
dpkg -L "$package" >"$work/files"

[[ -x /usr/bin/retroglimmer ]] || fail "/usr/bin/retroglimmer is not installed as a program"
for path in /usr/share/applications/retroglimmer.desktop \
    /usr/share/metainfo/io.github.retroglimmer.Retroglimmer.metainfo.xml \
    /usr/share/icons/hicolor/{scalable/apps/retroglimmer.svg,{48x48,128x128,256x256}/apps/retroglimmer.png}; do
    [[ -f $path ]] || fail "$path not installed"
done
for size in 48 128 256; do
    png=/usr/share/icons/hicolor/${size}x${size}/apps/retroglimmer.png
    [[ $(identify -format '%wx%h' "$png") == "${size}x$size" ]] || fail "$png is $(identify "$png")"
done

# The installed program under a private X server.
mkdir -m 700 "$work/runtime" "$work/home"
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
read -r -t 20 display <"$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
display=":$display"

# A fresh home, so the user's settings and autostart entries stay untouched.
env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY="$display" HOME="$work/home" \
    XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime" \
    /usr/bin/retroglimmer >"$work/app.log" 2>&1 &
app_pid=$!
sleep 3
kill -0 "$app_pid" 2>/dev/null || { cat "$work/app.log"; fail "the program exited within 3 s"; }
# It talks to this X server: the only client there, it owns its windows.
windows=$(DISPLAY="$display" xwininfo -root -children | grep -c '^ *0x' || true)
[[ $windows -gt 0 ]] || fail "the program made no window on $display"
kill "$app_pid"
wait "$app_pid" 2>/dev/null || true
app_pid=
echo "ran for 3 s, $windows window(s) on the X server"

"${apt_get[@]}" purge "$package" >"$work/remove.log" 2>&1 || { cat "$work/remove.log"; fail "apt-get purge failed"; }
we_installed=
installed && fail "$package still installed after purge"
leftovers=0
while read -r path; do
    [[ -e $path || -L $path ]] || continue
    # A folder may stay for other packages, or for files nobody packaged; an
    # empty one that no package owns was ours to remove.
    [[ -d $path && ! -L $path ]] &&
        { dpkg -S "$path" >/dev/null 2>&1 || [[ -n $(ls -A "$path") ]]; } && continue
    echo "left behind: $path" >&2
    leftovers=$((leftovers + 1))
done <"$work/files"
[[ $leftovers -eq 0 ]] || fail "$leftovers path(s) of the package remain"
echo "PASS: built, installed, started and removed cleanly"
