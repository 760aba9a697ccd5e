#!/usr/bin/env bash
# Installs a build tree into a staging folder with DESTDIR, as packagers do,
# and checks that every file lands under it, that nothing is written to the
# prefix itself, and that no signing step runs.
#
#   staged-install-test.sh BUILD_DIR
set -euo pipefail

build_dir=$1
work=$(mktemp -d)
stage=$work/stage
log=$work/install.log
prefix=/retroglimmer-staged-install-test-$$
# The prefix is removed too, should a faulty install have made it.
trap 'rm -rf "$work" "$prefix"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR=$stage cmake --install "$build_dir" --prefix "$prefix" >"$log" 2>&1 ||
    fail "cmake --install with DESTDIR failed: $(cat "$log")"
[[ -x $stage$prefix/bin/retroglimmer ]] || fail "the program is not in the staged root"
[[ ! -e $prefix ]] || fail "the install wrote to $prefix, outside the staged root"
outside=$(grep -E '^-- (Installing|Up-to-date): ' "$log" | grep -vF -- ": $stage$prefix/" || true)
[[ -z $outside ]] || fail "installed outside the staged root: $outside"
! grep -qi codesign "$log" || fail "a Linux install must not sign anything: $(cat "$log")"
echo "staged install: $(grep -cE '^-- Installing: ' "$log") files, all under DESTDIR"
