#include "masterdata/ui/EditorWindow.h"

#include "app/ui/WindowPlacement.h"
#include "db/ui/SortGridView.h"
#include "masterdata/ui/MasterEditor.h"
#include "app/ui/RecordNavigator.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTableView>
#include <QUrl>

namespace tekvora::masterdata {

EditorTopBar makeEditorTopBar(MasterEditor &editor, const QString &manualPage, QWidget *parent)
{
    constexpr app::RecordNavigator::Buttons buttons =
        app::RecordNavigator::First | app::RecordNavigator::Prior | app::RecordNavigator::Next |
        app::RecordNavigator::Last | app::RecordNavigator::Insert | app::RecordNavigator::Delete |
        app::RecordNavigator::Post | app::RecordNavigator::Cancel | app::RecordNavigator::Refresh;
    EditorTopBar bar;
    auto *label = new QLabel(QStringLiteral("Suchen"), parent);
    bar.searchBox = new QLineEdit(parent);
    bar.searchBox->setObjectName(QStringLiteral("EditSuchen"));
    bar.searchBox->setToolTip(QStringLiteral("Suchbegriff eingeben"));
    label->setBuddy(bar.searchBox);
    bar.navigator = new app::RecordNavigator(buttons, parent);
    bar.navigator->setObjectName(QStringLiteral("DBNavigator1"));
    bar.layout = new QHBoxLayout;
    bar.layout->addWidget(label);
    bar.layout->addWidget(bar.searchBox, 1);
    bar.layout->addWidget(bar.navigator);
    bar.layout->addWidget(makeInfoButton(manualPage, parent));
    editor.attachNavigator(bar.navigator);
    editor.attachSearchBox(bar.searchBox);
    editor.addFocusJump(bar.searchBox, Qt::Key_PageDown, editor.grid());
    return bar;
}

void placeEditorWindow(QWidget &window, const app::FormStorage &storage, app::PlacementKind kind)
{
    app::placeRelativeToMainWindow(&window, 0, 32, 0, -32);
    storage.restorePlacement(window, kind);
}

void saveColumnWidths(const QTableView &grid, const app::FormStorage &storage, const QString &key)
{
    QStringList widths;
    for (int c = 0; c < grid.horizontalHeader()->count(); ++c)
        widths << QString::number(grid.columnWidth(c));
    storage.setValue(key, widths.join(QLatin1Char(',')));
}

void restoreColumnWidths(QTableView &grid, const app::FormStorage &storage, const QString &key)
{
    const QStringList widths = storage.value(key).toString().split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (widths.size() != grid.horizontalHeader()->count())
        return;
    for (int c = 0; c < widths.size(); ++c) {
        const int width = widths[c].toInt();
        if (width > 0 && width < 2000)
            grid.setColumnWidth(c, width);
    }
}

QPushButton *makeInfoButton(const QString &manualPage, QWidget *parent)
{
    auto *button = new QPushButton(QStringLiteral("?Info?"), parent);
    button->setObjectName(QStringLiteral("btnInfo"));
    button->setFocusPolicy(Qt::NoFocus);
    QObject::connect(button, &QPushButton::clicked, button,
                     [manualPage] { QDesktopServices::openUrl(QUrl::fromLocalFile(manualPage)); });
    return button;
}

} // namespace tekvora::masterdata
