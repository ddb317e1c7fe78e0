#include "app/ui/RecordNavigator.h"

#include <QHBoxLayout>
#include <QToolButton>

namespace tekvora::app {

namespace {

struct ButtonInfo
{
    RecordNavigator::Button which;
    const char *name;
    QString glyph;
    QString hint;
};

const QList<ButtonInfo> &buttonInfos()
{
    static const QList<ButtonInfo> infos{
        {RecordNavigator::First, "btnFirst", QStringLiteral("|◀"), QStringLiteral("Erster Datensatz")},
        {RecordNavigator::PriorPage, "btnPriorPage", QStringLiteral("◀◀"), QStringLiteral("Vorherige Seite")},
        {RecordNavigator::Prior, "btnPrior", QStringLiteral("◀"), QStringLiteral("Vorheriger Datensatz")},
        {RecordNavigator::Next, "btnNext", QStringLiteral("▶"), QStringLiteral("Nächster Datensatz")},
        {RecordNavigator::NextPage, "btnNextPage", QStringLiteral("▶▶"), QStringLiteral("Nächste Seite")},
        {RecordNavigator::Last, "btnLast", QStringLiteral("▶|"), QStringLiteral("Letzter Datensatz")},
        {RecordNavigator::Insert, "btnInsert", QStringLiteral("+"), QStringLiteral("Datensatz einfügen")},
        {RecordNavigator::Delete, "btnDelete", QStringLiteral("−"), QStringLiteral("Datensatz löschen")},
        {RecordNavigator::Post, "btnPost", QStringLiteral("✓"), QStringLiteral("Änderungen speichern")},
        {RecordNavigator::Cancel, "btnCancel", QStringLiteral("✗"), QStringLiteral("Änderungen verwerfen")},
        {RecordNavigator::Refresh, "btnRefresh", QStringLiteral("⟳"), QStringLiteral("Daten aktualisieren")},
        {RecordNavigator::Filter, "btnFilter", QStringLiteral("Filter…"), QStringLiteral("Filter festlegen")},
    };
    return infos;
}

} // namespace

RecordNavigator::RecordNavigator(Buttons buttons, QWidget *parent) : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    for (const ButtonInfo &info : buttonInfos()) {
        if (!buttons.testFlag(info.which))
            continue;
        auto *button = new QToolButton(this);
        button->setObjectName(QLatin1String(info.name));
        button->setText(info.glyph);
        button->setToolTip(info.hint);
        button->setAutoRaise(false);
        button->setMinimumWidth(28);
        const Button which = info.which;
        connect(button, &QToolButton::clicked, this, [this, which] { emit clicked(which); });
        layout->addWidget(button);
    }
    layout->addStretch();
}

QToolButton *RecordNavigator::button(Button which) const
{
    for (const ButtonInfo &info : buttonInfos()) {
        if (info.which == which)
            return findChild<QToolButton *>(QLatin1String(info.name));
    }
    return nullptr;
}

} // namespace tekvora::app
