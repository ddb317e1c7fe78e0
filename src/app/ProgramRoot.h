#pragma once

#include <QString>

namespace tekvora::app {

/// The data root of the program (the directory every client directory lies below): `explicitRoot`
/// when given (--root), else $TEKVORA_ROOT, else $XDG_DATA_HOME/tekvora (default
/// ~/.local/share/tekvora). Absolute, cleaned, ending with "/". Creates nothing.
QString programRoot(const QString &explicitRoot = {});

/// Where the settings and marker files live: $XDG_CONFIG_HOME/tekvora (default ~/.config/tekvora).
/// Absolute, ending with "/". Creates nothing.
QString settingsDirectory();

/// `path` made absolute and clean, ending with exactly one "/".
QString asDirectory(const QString &path);

} // namespace tekvora::app
