#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
cd "${TEKVORA_BUILD_DIR:-build}"
ctest --output-on-failure --timeout 300 -j2
