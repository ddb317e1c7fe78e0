#include "masterdata/ui/DialogPlacement.h"

#include <QApplication>
#include <QMainWindow>
#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace tekvora::masterdata {

namespace {

void moveInside(QWidget *dialog, QPoint topLeft)
{
    QScreen *screen = QGuiApplication::screenAt(topLeft);
    if (!screen)
        screen = dialog->screen() ? dialog->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        dialog->move(topLeft);
        return;
    }
    const QRect area = screen->availableGeometry();
    const QSize size = dialog->frameGeometry().size().expandedTo(dialog->size());
    const int left = std::max(area.left(), std::min(topLeft.x(), area.right() + 1 - size.width()));
    const int top = std::max(area.top(), std::min(topLeft.y(), area.bottom() + 1 - size.height()));
    dialog->move(left, top);
}

/// The window frame is only known once the dialog is shown: check the place once more then.
class RecheckWhenShown : public QObject
{
public:
    RecheckWhenShown(QWidget *dialog, QPoint topLeft) : QObject(dialog), m_topLeft(topLeft) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            auto *dialog = static_cast<QWidget *>(watched);
            const QPoint topLeft = m_topLeft;
            QTimer::singleShot(0, dialog, [dialog, topLeft] { moveInside(dialog, topLeft); });
            deleteLater();
        }
        return false;
    }

private:
    QPoint m_topLeft;
};

} // namespace

void placeOnScreen(QWidget *dialog, QPoint topLeft)
{
    dialog->ensurePolished();
    if (!dialog->testAttribute(Qt::WA_Resized))
        dialog->adjustSize();
    moveInside(dialog, topLeft);
    if (!dialog->isVisible())
        dialog->installEventFilter(new RecheckWhenShown(dialog, topLeft));
}

QWidget *mainWindow()
{
    QWidget *found = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (!widget->isVisible() || !qobject_cast<QMainWindow *>(widget))
            continue;
        if (widget->objectName() == QLatin1String("TF_Tekvora"))
            return widget;
        if (!found)
            found = widget;
    }
    return found;
}

} // namespace tekvora::masterdata
