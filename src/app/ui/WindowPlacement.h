#pragma once

class QWidget;

namespace tekvora::app {

/// The program's main window ("TF_Tekvora"), else the first top-level main window; nullptr when none.
QWidget *mainWindow();
/// Places the window at the main window's position + (dx, dy) with its size + (dw, dh);
/// does nothing without a main window.
void placeRelativeToMainWindow(QWidget *window, int dx, int dy, int dw, int dh);

} // namespace tekvora::app
