#pragma once

#include <QFlags>
#include <QWidget>

class QToolButton;

namespace tekvora::app {

/// The button row over a grid: moving through the records and, as configured, refresh, filter
/// and the editing buttons. Moves are done by the owner on the signals.
class RecordNavigator : public QWidget
{
    Q_OBJECT

public:
    enum Button {
        First = 0x1,
        PriorPage = 0x2,
        Prior = 0x4,
        Next = 0x8,
        NextPage = 0x10,
        Last = 0x20,
        Insert = 0x40,
        Delete = 0x80,
        Post = 0x100,
        Cancel = 0x200,
        Refresh = 0x400,
        Filter = 0x800,
    };
    Q_DECLARE_FLAGS(Buttons, Button)

    RecordNavigator(Buttons buttons, QWidget *parent = nullptr);

    QToolButton *button(Button which) const;

signals:
    void clicked(tekvora::app::RecordNavigator::Button which);
};

} // namespace tekvora::app

Q_DECLARE_OPERATORS_FOR_FLAGS(tekvora::app::RecordNavigator::Buttons)
