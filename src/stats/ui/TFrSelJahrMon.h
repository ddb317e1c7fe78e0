#pragma once

#include "stats/PeriodSelection.h"

#include <QFrame>

class QLabel;

namespace tekvora::stats::ui {

class SelectorGrid;
struct CellLook;

/// The period selector of the main window: a year grid and a month calendar on which the user
/// picks a year, a month, a run of months, a week, a day or a run of days.
class TFrSelJahrMon : public QFrame
{
    Q_OBJECT

public:
    explicit TFrSelJahrMon(QWidget *parent = nullptr);

    /// The month of reference as period; the year column shows year + yearOffset + 1 onwards
    /// (the main window passes -6: the last five years and this one).
    void setUp(const QDate &reference, int yearOffset);
    void setRange(const QDate &start, const QDate &end);
    QDate start() const { return m_selection.start(); }
    QDate end() const { return m_selection.end(); }
    const PeriodSelection &selection() const { return m_selection; }

    SelectorGrid *yearGrid() const { return m_yearGrid; }
    SelectorGrid *calendarGrid() const { return m_calendarGrid; }

signals:
    void periodChanged(const QDate &start, const QDate &end);

private:
    /// Runs a change of the selection, then redraws and reports a changed period.
    template<typename Change>
    void apply(Change change);
    void redraw();
    CellLook yearLook(int row, int column) const;
    CellLook calendarLook(int row, int column) const;

    PeriodSelection m_selection;
    SelectorGrid *m_yearGrid;
    SelectorGrid *m_calendarGrid;
    QLabel *m_rangeLabel;
    QLabel *m_monthLabel;
};

} // namespace tekvora::stats::ui
