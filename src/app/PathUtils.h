#pragma once

#include <QString>

namespace tekvora::app {

/// The path with a trailing "/" added when missing; an empty path gives "/".
QString withSlash(const QString &path);
/// The path with one trailing "/" removed.
QString withoutSlash(const QString &path);
/// Creates every missing level of the directory path; false when one cannot be created.
bool createPath(const QString &path);

} // namespace tekvora::app
