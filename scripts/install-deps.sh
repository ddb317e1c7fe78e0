#!/usr/bin/env bash
# Installs every Debian package Tekvora needs to build, test and run. Safe to run again.
set -euo pipefail

packages=(
    g++ cmake ninja-build ccache pkg-config
    qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-serialport-dev qt6-multimedia-dev
    qt6-translations-l10n libgl-dev
    libsqlite3-dev sqlite3 zlib1g-dev libssl-dev openssl libcurl4-openssl-dev libzint-dev
    libbenchmark-dev
    python3-pyftpdlib zbar-tools xvfb xauth imagemagick ghostscript poppler-utils socat
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
