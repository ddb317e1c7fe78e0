#pragma once

#include "stats/GridFilter.h"
#include "app/ui/RecordNavigator.h"

#include <QTimer>
#include <QWidget>

class QLabel;
class QTableView;

namespace tekvora::stats {

class GridFooter;
class StatsTableModel;

/// A read-only statistics grid: the rows of one query, a navigator, an optional footer, the
/// grid filter and incremental search (type while the grid has the focus; the text is looked
/// for at the start of the current column; Esc or a pause ends the search).
class StatsGrid : public QWidget
{
    Q_OBJECT

public:
    StatsGrid(const ViewDefinition &definition, app::RecordNavigator::Buttons buttons, bool withFooter,
              QWidget *parent = nullptr);

    StatsTableModel *model() const { return m_model; }
    QTableView *view() const { return m_view; }
    app::RecordNavigator *navigator() const { return m_navigator; }
    GridFooter *footer() const { return m_footer; }

    const GridFilter &filter() const { return m_filter; }
    void clearFilter();

    int currentRow() const;
    void setCurrentRow(int row);
    /// After the model was reloaded: select the first row (or none) and tell the listeners.
    void rowsReloaded();

    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    void currentRowChanged(int row);
    void refreshRequested();
    void filterChanged();

private:
    void navigate(app::RecordNavigator::Button which);
    void editFilter();
    void searchKey(const QString &text);
    void endSearch();

    StatsTableModel *m_model;
    QTableView *m_view;
    app::RecordNavigator *m_navigator;
    GridFooter *m_footer = nullptr;
    QLabel *m_searchLabel;
    GridFilter m_filter;
    QString m_search;
    QTimer m_searchTimer;
};

} // namespace tekvora::stats
