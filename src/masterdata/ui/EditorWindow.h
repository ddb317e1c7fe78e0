#pragma once

#include "app/ui/FormStorage.h"

#include <QString>

class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QTableView;
class QWidget;

namespace tekvora::app {
class RecordNavigator;
}

namespace tekvora::masterdata {

class MasterEditor;

/// The top bar of a master-data editor: "Suchen" with the search box, the navigator with all its buttons
/// and, last, "?Info?"; search box and navigator are attached to the editor, Ctrl+PageDown in the search box
/// goes to the grid. Further controls go in before the last item of `layout`.
struct EditorTopBar
{
    QHBoxLayout *layout = nullptr;
    QLineEdit *searchBox = nullptr;
    app::RecordNavigator *navigator = nullptr;
};
EditorTopBar makeEditorTopBar(MasterEditor &editor, const QString &manualPage, QWidget *parent);

/// A master-data editor's first placement: over the main window, same left edge and width, 32 pixels
/// lower and 32 less high; then the placement kept in its section of "TV9001.ini", when there is one.
void placeEditorWindow(QWidget &window, const app::FormStorage &storage, app::PlacementKind kind);

/// The grid's column widths kept under `key` ("GridPersonal.Columns") and restored from there.
void saveColumnWidths(const QTableView &grid, const app::FormStorage &storage, const QString &key);
void restoreColumnWidths(QTableView &grid, const app::FormStorage &storage, const QString &key);

/// The "?Info?" button that opens a page of the manual (a file path).
QPushButton *makeInfoButton(const QString &manualPage, QWidget *parent);

} // namespace tekvora::masterdata
