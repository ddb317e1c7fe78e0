#pragma once

#include <QPoint>
#include <QRect>

namespace tekvora::app {

/// A dialog's geometry relative to the main window: left + dx, top + dy, width + dw, height + dh.
QRect relativeGeometry(const QRect &mainWindow, int dx, int dy, int dw, int dh);
/// origin + (dx, dy) with negative coordinates raised to 0, so a dialog never starts off screen.
QPoint offsetOnScreen(const QPoint &origin, int dx, int dy);

} // namespace tekvora::app
