#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace tekvora::test {

/// Runs `act` on the modal dialog of type D as soon as it is shown, so a test can drive a dialog
/// that the code under test opens with exec(). Gives up after about five seconds.
template <typename D>
void whenModal(std::function<void(D *)> act, int triesLeft = 500)
{
    QTimer::singleShot(10, [act = std::move(act), triesLeft] {
        if (auto *dialog = qobject_cast<D *>(QApplication::activeModalWidget()); dialog && dialog->isVisible())
            act(dialog);
        else if (triesLeft > 0)
            whenModal<D>(act, triesLeft - 1);
    });
}

} // namespace tekvora::test
