#!/usr/bin/env bash
# Builds the Debian package and runs Debian's checker on it, pedantic. Fails on
# any error or warning that lintian-overrides does not list with a reason.
#
#   lintian-test.sh BUILD_DIR OVERRIDES
set -euo pipefail

build_dir=$1 overrides=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

command -v lintian >/dev/null || fail "lintian is not installed (scripts/packages.sh lists it)"
if ! grep -qx 'RETROGLIMMER_DEBIAN_FLAGS:BOOL=ON' "$build_dir/CMakeCache.txt"; then
    echo "SKIPPED: this build lacks Debian's hardening flags; configure with the default preset"
    exit 77
fi
cpack --config "$build_dir/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    fail "cpack failed: $(cat "$work/cpack.log")"
debs=("$work"/*.deb)
[[ -f ${debs[0]} ]] || fail "cpack made no .deb"

# An override is "tag  # reason"; one without a reason is itself a fault.
allowed=$({ grep -vE '^\s*(#|$)' "$overrides" || true; } | while read -r line; do
    [[ $line == *"#"?* ]] || fail "override without a reason: $line"
    echo "${line%%#*}" | tr -d ' '
done)
status=0
lintian --pedantic --info --tag-display-limit 0 "${debs[0]}" >"$work/lintian.log" 2>&1 || status=$?
cat "$work/lintian.log"
((status <= 1)) || fail "lintian itself failed (status $status)"
faults=$(grep -E '^[EW]: ' "$work/lintian.log" | awk '{print $3}' | sort -u |
    grep -vxF -f <(echo "${allowed:-none}") || true)
[[ -z $faults ]] || fail "lintian errors or warnings not in $(basename "$overrides"): $faults"
echo "PASS: lintian --pedantic reports no error or warning beyond the overrides"
