#!/usr/bin/env bash
# Installs what is missing, builds, and starts Retroglimmer.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
scripts/ensure-packages.sh "${BUILD_PACKAGES[@]}"
cmake --preset default >/dev/null
cmake --build --preset default
exec ./build/src/retroglimmer
