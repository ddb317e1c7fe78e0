#pragma once

#include <QString>

class QWidget;

namespace tekvora::app {

/// The directory selection dialog, starting at path or, when that does not exist, at fallback.
/// On confirmation path becomes the choice with a trailing "/" and the result is true.
bool chooseDirectory(QString &path, const QString &fallback, QWidget *parent = nullptr);

} // namespace tekvora::app
