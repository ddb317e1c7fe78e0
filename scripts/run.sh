#!/usr/bin/env bash
# Installs what is needed, builds, and starts the desktop program on its default data root.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
exec "${TEKVORA_BUILD_DIR:-build}/src/tekvora" "$@"
