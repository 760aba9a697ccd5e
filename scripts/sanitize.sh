#!/usr/bin/env bash
# Builds and runs every test (unit and end-to-end) with AddressSanitizer,
# LeakSanitizer and UndefinedBehaviorSanitizer: the `sanitize` preset, in
# build-sanitize/. Fails on a failed test and on any sanitizer report from any
# process the tests started, the program included. Arguments go to ctest
# (e.g. -R e2e).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/ensure-packages.sh "${BUILD_PACKAGES[@]}" "${E2E_PACKAGES[@]}"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize

reports=build-sanitize/sanitizer-reports
rm -f "$reports"/*
status=0
ctest --preset sanitize "$@" || status=$?
if compgen -G "$reports/*" >/dev/null; then
    echo "Sanitizer reports:" >&2
    for report in "$reports"/*; do
        echo "== $report" >&2
        cat "$report" >&2
    done
    status=1
fi
exit "$status"
