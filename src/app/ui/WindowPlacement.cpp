#include "app/ui/WindowPlacement.h"

#include "app/Placement.h"

#include <QApplication>
#include <QMainWindow>

namespace tekvora::app {

QWidget *mainWindow()
{
    QWidget *fallback = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("TF_Tekvora"))
            return widget;
        if (!fallback && qobject_cast<QMainWindow *>(widget))
            fallback = widget;
    }
    return fallback;
}

void placeRelativeToMainWindow(QWidget *window, int dx, int dy, int dw, int dh)
{
    const QWidget *main = mainWindow();
    if (!window || !main || main == window)
        return;
    const QRect placed = relativeGeometry(QRect(main->pos(), main->size()), dx, dy, dw, dh);
    window->move(placed.topLeft());
    window->resize(placed.size());
}

} // namespace tekvora::app
