#pragma once

#include "stats/StatsPeriod.h"
#include "stats/StatsViews.h"

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace tekvora::app {
class UserPrompt;
}

namespace tekvora::stats {

class StatsGrid;
namespace ui {
class TFrSelJahrMon;
}

/// The statistics part of the main window: the period under "Anzeige einschränken auf den
/// Zeitraum" with "Anwenden", "Stundenformat hh:mm" and the four tabs. Only the shown view's
/// query is open; every refresh runs it again, so the grids show the tables' current content.
class StatsPanel : public QWidget
{
    Q_OBJECT

public:
    StatsPanel(QString connectionName, app::UserPrompt &prompt, QWidget *parent = nullptr);

    StatsPeriod period() const { return m_period; }
    void setPeriod(const StatsPeriod &period);
    StatsView currentView() const { return m_view; }
    StatsGrid *grid(StatsView view) const;
    StatsGrid *visitPersonsGrid() const { return m_visitPersons; }
    QTabWidget *tabs() const { return m_tabs; }

    /// Runs the current view's query again and its footer sums.
    void refresh();
    /// On every activation of the main window: the check box takes the program-wide duration
    /// format; the period selector is set up for today and shows the applied period again.
    void activate();
    /// "Anwenden": the selector's period becomes the period; the current view is refreshed.
    void apply();

    /// The current visit of the sites view, or 0.
    qint64 currentVisitId() const;
    /// Reopens the sites view on the visit (or its first row when the visit is gone).
    void reopenAtVisit(qint64 visitId);
    /// Closes the current view's query (before another window changes the tables).
    void closeCurrentView();
    /// True while the sites view shows at least one row.
    bool sitesHaveRows() const;

signals:
    /// The sites view was refreshed; free editing is possible only with rows.
    void sitesRowsChanged(bool haveRows);

private:
    void syncHourFormat();
    void tabShown(int index);
    void hourFormatClicked(bool on);
    void closeView(StatsView view);
    void loadVisitPersons(int row);
    void followRow(StatsView view, int row);
    void showFooter(StatsView view);
    bool load(StatsGrid *grid, StatsView view);

    QString m_connection;
    app::UserPrompt &m_prompt;
    StatsPeriod m_period;
    StatsView m_view = StatsView::Sites;
    ui::TFrSelJahrMon *m_selector;
    QTabWidget *m_tabs;
    QCheckBox *m_hourFormat;
    QPushButton *m_apply;
    StatsGrid *m_grids[4];
    StatsGrid *m_visitPersons;
    QLineEdit *m_sitesActivity;
    QLineEdit *m_personsActivity;
    QLineEdit *m_activitiesPerson;
    QLineEdit *m_activitiesSite;
};

} // namespace tekvora::stats
