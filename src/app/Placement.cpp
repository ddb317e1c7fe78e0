#include "app/Placement.h"

namespace tekvora::app {

QRect relativeGeometry(const QRect &mainWindow, int dx, int dy, int dw, int dh)
{
    return QRect(mainWindow.left() + dx, mainWindow.top() + dy, mainWindow.width() + dw, mainWindow.height() + dh);
}

QPoint offsetOnScreen(const QPoint &origin, int dx, int dy)
{
    return QPoint(qMax(0, origin.x() + dx), qMax(0, origin.y() + dy));
}

} // namespace tekvora::app
