#pragma once

#include "db/IndexChoice.h"
#include "db/ui/SqlGridModel.h"

#include <QPointer>
#include <QTableView>

class QLineEdit;

namespace tekvora::app {
class UserPrompt;
}

namespace tekvora::db {

/// The grid convention of the master-data windows and selection dialogs: a read-only grid over a
/// `SqlGridModel` that sorts by a clicked column title and marks that title, changes its colour with
/// the focus, and drives an incremental search box that only takes keys fitting the sort column.
class SortGridView : public QTableView
{
    Q_OBJECT

public:
    /// Which index a column title selects when the grid sorts by the table's indexes.
    enum class SortRule {
        FieldBegins, ///< the first index whose field list begins with the column's field
        FieldPrefix, ///< the index holding the field's first ten characters earliest
    };

    explicit SortGridView(QWidget *parent = nullptr);

    /// From now on a title click sorts only as one of the table's indexes allows (see IndexChoice).
    void setSortIndexes(QList<IndexDef> indexes, SortRule rule);

    /// Shows `model` (owned by the caller) with the designed column widths.
    void setGridModel(SqlGridModel *model);
    SqlGridModel *gridModel() const { return m_model; }
    /// The width that shows every designed column without a horizontal scroll bar.
    int designedWidth() const;

    /// Sorts by the column's field and keeps the current record in view.
    void sortGridByColumn(int column);
    /// Sorts by `field`; a field no column shows sorts by the first column instead.
    void sortGridByField(const QString &field);

    void goToRow(int row);
    /// Positions on the record with `key`, or on the first row when there is none.
    void goToKey(const QVariant &key);
    QVariant currentKey() const;

    /// Lets `searchBox` position the grid as the user types; keys that do not fit the sort column are refused.
    void attachSearchBox(QLineEdit *searchBox, app::UserPrompt &prompt);
    /// Empties the search box, gives it the focus and searches for `key` when the sort column takes it.
    void startSearchWith(QChar key);

signals:
    void sortFieldChanged(const QString &field);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void searchFor(const QString &text);
    bool takeSearchKey(QChar key);
    void setBackground(QPalette::ColorRole role);

    QList<IndexDef> m_indexes;
    SortRule m_rule = SortRule::FieldBegins;
    SqlGridModel *m_model = nullptr;
    QPointer<QLineEdit> m_searchBox;
    app::UserPrompt *m_prompt = nullptr;
};

} // namespace tekvora::db
