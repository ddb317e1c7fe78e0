#include "masterdata/ui/TFSelStringFromList.h"

#include "masterdata/ui/DialogPlacement.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QScreen>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tekvora::masterdata {

QString TFSelStringFromList::choose(int left, int top, const QString &caption, const QString &prompt,
                                    const QStringList &strings, QWidget *parent)
{
    TFSelStringFromList dialog(caption, prompt, strings, parent);
    if (left != 0 || top != 0) {
        dialog.adjustSize();
        const QScreen *screen = QGuiApplication::primaryScreen();
        const QRect around = parent ? parent->window()->frameGeometry() : screen ? screen->availableGeometry() : QRect();
        const QPoint centred = around.center() - QPoint(dialog.width() / 2, dialog.height() / 2);
        placeOnScreen(&dialog, QPoint(left != 0 ? left : centred.x(), top != 0 ? top : centred.y()));
    }
    return dialog.exec() == QDialog::Accepted ? dialog.currentString() : QString();
}

TFSelStringFromList::TFSelStringFromList(const QString &caption, const QString &prompt, const QStringList &strings,
                                         QWidget *parent)
    : QDialog(parent), m_list(new QComboBox(this))
{
    setObjectName(QStringLiteral("TFSelStringFromList"));
    setWindowTitle(caption);

    auto *label = new QLabel(prompt, this);
    label->setObjectName(QStringLiteral("lblPrompt"));
    m_list->setObjectName(QStringLiteral("cbStrings"));
    m_list->addItems(strings);
    m_list->setMinimumWidth(220);
    label->setBuddy(m_list);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("btnOK"));
    QPushButton *cancel = buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString TFSelStringFromList::currentString() const
{
    return m_list->currentText();
}

} // namespace tekvora::masterdata
