#pragma once

#include <QPoint>

class QWidget;

namespace tekvora::masterdata {

/// Moves `dialog` to `topLeft`, shifted as far as needed to keep it whole on the screen at that point.
void placeOnScreen(QWidget *dialog, QPoint topLeft);

/// The program's main window, for dialogs placed relative to it; none when there is no visible one.
QWidget *mainWindow();

} // namespace tekvora::masterdata
