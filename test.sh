#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (unit tests on Qt's
# offscreen platform, end-to-end tests under a private Xvfb). Exits non-zero on
# any failure; the last lines are CTest's summary.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
scripts/ensure-packages.sh "${BUILD_PACKAGES[@]}" "${E2E_PACKAGES[@]}"
cmake --preset default >/dev/null
cmake --build --preset default
ctest --preset default
