#!/usr/bin/env bash
# Configures and builds Tekvora into build/ (or $TEKVORA_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${TEKVORA_BUILD_DIR:-build}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${TEKVORA_BUILD_TYPE:-RelWithDebInfo}" >/dev/null
cmake --build "$build"
