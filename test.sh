#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (unit tests on Qt's
# offscreen platform, end-to-end tests under a private Xvfb). Exits non-zero on
# any failure; the last lines are CTest's summary.
#   ./test.sh --sanitize   then builds and runs them all again under the
#                          sanitizers (scripts/sanitize.sh, several minutes more)
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
scripts/ensure-packages.sh "${BUILD_PACKAGES[@]}" "${E2E_PACKAGES[@]}"
cmake --preset default >/dev/null
cmake --build --preset default
ctest --preset default
if [[ "${1:-}" == "--sanitize" ]]; then
    scripts/sanitize.sh
fi
