#include "stats/PeriodSelection.h"

#include "app/Dates.h"
#include "app/Holidays.h"

namespace tekvora::stats {

namespace {

int monthIndex(const QDate &date)
{
    return date.year() * 12 + date.month();
}

bool isDayCell(int row, int column)
{
    return row >= 1 && row < PeriodSelection::calendarRows && column >= 1 && column < PeriodSelection::calendarColumns;
}

} // namespace

void PeriodSelection::setUp(const QDate &reference, int yearOffset)
{
    m_firstYear = reference.year() + yearOffset + 1;
    setStart(app::firstOfMonth(reference));
    m_end = app::lastOfMonth(reference);
}

void PeriodSelection::setRange(const QDate &start, const QDate &end)
{
    setStart(start);
    m_end = end;
}

void PeriodSelection::setStart(const QDate &start)
{
    m_start = start;
    // The calendar always shows the start's month: its weekday offset, month label and usable
    // days all follow the start, so a calendar left on another month would show wrong weekdays.
    m_anchor = app::firstOfMonth(start).addDays(-1);
}

QDate PeriodSelection::yearCellMonth(int row, int column) const
{
    if (row < 1 || row >= yearRows || column < 1 || column >= yearColumns)
        return {};
    return QDate(m_firstYear + row - 1, column, 1);
}

QString PeriodSelection::yearCellText(int row, int column) const
{
    if (row == 0 && column == 0)
        return QStringLiteral("Jahr");
    if (row == 0 && column < yearColumns)
        return app::shortMonthName(column);
    if (column == 0 && row < yearRows)
        return QString::number(m_firstYear + row - 1);
    return isMonthMarked(row, column) ? QStringLiteral("*") : QString();
}

bool PeriodSelection::isMonthMarked(int row, int column) const
{
    const QDate month = yearCellMonth(row, column);
    return month.isValid() && monthIndex(m_start) <= monthIndex(month) && monthIndex(month) <= monthIndex(m_end);
}

void PeriodSelection::pressYearCell(int row, int column)
{
    if (row < 1 || row >= yearRows)
        return;
    if (column == 0) {
        const int year = m_firstYear + row - 1;
        setRange(QDate(year, 1, 1), QDate(year, 12, 31));
        return;
    }
    const QDate month = yearCellMonth(row, column);
    if (month.isValid())
        setRange(month, app::lastOfMonth(month));
}

void PeriodSelection::dragYearCell(int row, int column)
{
    const QDate month = yearCellMonth(row, column);
    if (!month.isValid())
        return;
    if (month < m_start)
        setStart(month);
    m_end = app::lastOfMonth(month);
}

QDate PeriodSelection::calendarDate(int row, int column) const
{
    if (!isDayCell(row, column))
        return {};
    const int firstWeekday = app::firstOfMonth(m_start).dayOfWeek();
    return m_anchor.addDays(7 * (row - 1) + column - firstWeekday + 1);
}

int PeriodSelection::weekNumber(int row) const
{
    return calendarDate(row, 1).weekNumber();
}

QString PeriodSelection::calendarCellText(int row, int column) const
{
    if (row == 0 && column == 0)
        return QStringLiteral("KW");
    if (row == 0 && column < calendarColumns)
        return app::weekdayLetters(column);
    if (column == 0 && row < calendarRows)
        return QString::number(weekNumber(row));
    const QDate date = calendarDate(row, column);
    return date.isValid() ? date.toString(QStringLiteral("dd")) : QString();
}

CalendarDay PeriodSelection::calendarDay(int row, int column) const
{
    const QDate date = calendarDate(row, column);
    return CalendarDay{date,
                       calendarCellText(row, column),
                       date.isValid() && date.year() == m_start.year() && date.month() == m_start.month(),
                       date.isValid() && m_start <= date && date <= m_end,
                       date.dayOfWeek() >= 6,
                       app::isHoliday(date)};
}

bool PeriodSelection::isUsable(const QDate &date) const
{
    return date.isValid() && date >= m_anchor && date.year() == m_start.year() && date.month() == m_start.month();
}

void PeriodSelection::pressCalendarCell(int row, int column)
{
    if (column == 0) {
        const QDate monday = calendarDate(row, 1);
        if (isUsable(monday)) {
            m_start = monday;
            m_end = monday.addDays(6);
        }
        return;
    }
    const QDate date = calendarDate(row, column);
    if (isUsable(date)) {
        m_start = date;
        m_end = date;
    }
}

void PeriodSelection::dragCalendarCell(int row, int column)
{
    const QDate date = calendarDate(row, column);
    if (isUsable(date))
        m_end = date;
}

QString PeriodSelection::rangeText() const
{
    return app::dateText(m_start) + QStringLiteral(" - ") + app::dateText(m_end);
}

QString PeriodSelection::monthText() const
{
    return app::monthName(m_start.month()) + QLatin1Char(' ') + QString::number(m_start.year()).rightJustified(4, QLatin1Char('0'));
}

} // namespace tekvora::stats
