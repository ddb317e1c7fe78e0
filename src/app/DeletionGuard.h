#pragma once

#include <QString>

namespace tekvora::app {

/// Adds a directory that no tree removal may take away, nor any directory above it. "/" and the
/// home directory are always protected; the start-up adds the program root.
void protectFromDeletion(const QString &dir);

/// True when a tree removal must refuse `path`: relative, three characters or fewer (without a
/// trailing "/"), or a protected directory or one above it (symbolic links resolved).
bool isDeletionRefused(const QString &path);

} // namespace tekvora::app
