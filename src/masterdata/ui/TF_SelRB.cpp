#include "masterdata/ui/TF_SelRB.h"

#include "masterdata/OptionItems.h"
#include "masterdata/ui/DialogPlacement.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tekvora::masterdata {

int TF_SelRB::choose(int left, int top, int preselected, const QString &title, const QString &itemList,
                     QWidget *parent)
{
    TF_SelRB dialog(preselected, title, itemList, parent);
    placeOnScreen(&dialog, QPoint(left, top));
    return dialog.exec() == QDialog::Accepted ? dialog.checkedIndex() : -1;
}

TF_SelRB::TF_SelRB(int preselected, const QString &title, const QString &itemList, QWidget *parent)
    : QDialog(parent), m_group(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("TF_SelRB"));
    setWindowTitle(QStringLiteral("Optionen..."));

    auto *box = new QGroupBox(title.isEmpty() ? QStringLiteral("Optionsauswahl") : title, this);
    box->setObjectName(QStringLiteral("RadioGroup"));
    auto *boxLayout = new QVBoxLayout(box);
    const QStringList items = splitOptionItems(itemList);
    for (int i = 0; i < items.size(); ++i) {
        auto *radio = new QRadioButton(items[i], box);
        radio->setObjectName(QStringLiteral("rbItem%1").arg(i));
        boxLayout->addWidget(radio);
        m_group->addButton(radio, i);
    }
    if (QAbstractButton *ticked = m_group->button(preselected))
        ticked->setChecked(true);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("btnOK"));
    QPushButton *abort = buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    abort->setObjectName(QStringLiteral("btnCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int TF_SelRB::checkedIndex() const
{
    return m_group->checkedId();
}

} // namespace tekvora::masterdata
