#pragma once

#include "db/ui/GridColumn.h"
#include "masterdata/MasterRecord.h"

#include <QHash>
#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

class QAbstractButton;
class QLineEdit;
class QModelIndex;

namespace tekvora::db {
class SortGridView;
class SqlGridModel;
} // namespace tekvora::db

namespace tekvora::app {
class RecordNavigator;
}

namespace tekvora::masterdata {

/// The editing grid of a master-data window: a lazily read, sortable, searchable grid over one table whose
/// current row is the record being edited. Typing into an editable column or a bound edit field puts the
/// record into edit state; leaving the row, "Übernehmen" (F10) or closing posts it, "Abbrechen"
/// (Alt+Backspace) drops it. The window creates the widgets around the grid and hands them over.
class MasterEditor : public QObject
{
    Q_OBJECT

public:
    MasterEditor(MasterTable table, db::GridColumns columns, app::UserPrompt &prompt, QWidget *window,
                 const QString &connectionName = db::kConnectionName);
    ~MasterEditor() override;

    MasterRecord &record() { return m_record; }
    db::SqlGridModel *model() const { return m_model; }
    /// The grid, a child of the window, for the window's layout.
    db::SortGridView *grid() const { return m_grid; }

    /// Reads the table (with `filter`) and shows its first row; false after a message.
    bool open(const db::SqlFilter &filter = {});
    /// Another row condition; the edit in progress is posted first and the current record kept if it passes.
    bool setFilter(const db::SqlFilter &filter);
    /// Orders by `field` as the program's last sort field, keeping the current record.
    void sortBy(const QString &field);

    /// The navigator's buttons move, insert, delete, cancel and refresh; it is disabled while searching.
    void attachNavigator(app::RecordNavigator *navigator);
    /// The search box: positions the grid as the user types; entering it sorts by the grid's current column.
    void attachSearchBox(QLineEdit *searchBox);
    /// "Übernehmen" and "Abbrechen" (either may be null); F10 and Alt+Backspace do the same in the window.
    void attachPostCancel(QAbstractButton *post, QAbstractButton *cancel);
    /// An edit field showing the current record's field; typing edits the record. Its maximum length is the
    /// field's size; number fields take digits only.
    void bindField(QLineEdit *edit, const QString &field);
    /// A double click on the field's grid column, or on a bound edit field of it, runs `action`.
    void onDoubleClick(const QString &field, std::function<void()> action);
    /// The selection-mark column: Enter inverts the mark, J/j sets and N/n clears it, then the next row.
    void setMarkColumn(const QString &field);
    /// Ctrl + `key` (Qt::Key_PageUp / Qt::Key_PageDown) in `from` gives the focus to `to`.
    void addFocusJump(QWidget *from, int key, QWidget *to);
    /// Values a new record gets besides the table's (the master's key of a detail row, ...).
    void setNewRecordValues(std::function<QVariantMap()> values) { m_newValues = std::move(values); }
    /// Shows only the rows whose detailField equals the master's current masterField.
    void linkToMaster(MasterEditor &master, const QString &masterField, const QString &detailField);

    /// Posts the edit in progress and shows the rows again; false (record still in edit state) when refused.
    bool commitEdit();
    void cancelEdit();
    void insertRecord();
    void deleteRecord();
    void refreshRows();
    void goToKey(const QVariant &key);
    void goToRow(int row);
    int currentRow() const;
    /// The number proposal for the current record.
    void proposeNumber();
    /// Turns the current record's mark over; posts at once when asked to.
    void invertMark(const QString &field, bool postNow);
    /// Sets a field of the current record (from a calendar, a choice dialog, ...); false after a message.
    bool setFieldValue(const QString &field, const QVariant &value);
    /// Sets (or clears) the current record's mark.
    void setMark(const QString &field, bool on);

signals:
    /// The grid moved to another record (or the record was read again).
    void currentChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void rowChanged(const QModelIndex &current, const QModelIndex &previous);
    bool editRow(int row, const QString &field, const QVariant &value);
    bool recordAtRow(int row);
    void showPending();
    void syncRecord();
    void updateFields();
    void followMaster();
    void searchBoxFocus(bool in);
    bool markKey(int key);
    QString currentField() const;

    MasterRecord m_record;
    QWidget *m_window;
    db::SqlGridModel *m_model;
    db::SortGridView *m_grid;
    QPointer<app::RecordNavigator> m_navigator;
    QPointer<QLineEdit> m_searchBox;
    QHash<QLineEdit *, QString> m_fields;
    QHash<QString, std::function<void()>> m_doubleClicks;
    QHash<QObject *, QHash<int, QPointer<QWidget>>> m_focusJumps;
    QString m_markField;
    std::function<QVariantMap()> m_newValues;
    QPointer<MasterEditor> m_master;
    QString m_masterField;
    QString m_detailField;
    QVariant m_keyBeforeInsert;
    bool m_syncing = false;
};

} // namespace tekvora::masterdata
