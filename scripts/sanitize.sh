#!/usr/bin/env bash
# Builds and runs every test (unit and end-to-end) with AddressSanitizer,
# LeakSanitizer and UndefinedBehaviorSanitizer: the `sanitize` preset, in
# build-sanitize/. Fails on a failed test and on any sanitizer report from any
# process the tests started, the program included. Arguments go to ctest
# (e.g. -R e2e). Then runs the fuzz targets (clang's libFuzzer, the `fuzz`
# preset in build-fuzz/) for a bounded number of inputs each, starting from the
# seeds in tests/fuzz/corpus; FUZZ=0 skips them.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/ensure-packages.sh "${BUILD_PACKAGES[@]}" "${E2E_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"
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

if [[ ${FUZZ:-1} != 0 ]]; then
    cmake --preset fuzz >/dev/null
    cmake --build --preset fuzz
    export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0"
    # The settings loader writes and reads a file per input: far slower.
    for fuzzer in SettingsFileFuzzer:settings:1000 FrameToolOptionsFuzzer:frame-options:50000; do
        IFS=: read -r name corpus runs <<<"$fuzzer"
        # New inputs go to a scratch corpus; a crashing one to build-fuzz/.
        mkdir -p "build-fuzz/corpus/$corpus"
        echo "== $name: $runs inputs"
        "build-fuzz/tests/fuzz/$name" -runs="$runs" -max_len=4096 -artifact_prefix=build-fuzz/ \
            "build-fuzz/corpus/$corpus" "tests/fuzz/corpus/$corpus" 2>"build-fuzz/$name.log" || {
            tail -n 40 "build-fuzz/$name.log" >&2
            status=1
        }
        tail -n 1 "build-fuzz/$name.log"
    done
fi
exit "$status"
