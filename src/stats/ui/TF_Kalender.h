#pragma once

#include <QDate>
#include <QDialog>

#include <functional>

class QCalendarWidget;
class QLabel;
class QLineEdit;

namespace tekvora::stats::ui {

/// The calendar dialog: picks one date for an edit box or a date field. Alt+Page Up/Down step
/// the year back and forth, Alt+Up/Down the month forth and back, keeping the day of month.
class TF_Kalender : public QDialog
{
    Q_OBJECT

public:
    /// Sets a date field: switches its table into editing and stores the date.
    using FieldSetter = std::function<void(const QDate &)>;

    explicit TF_Kalender(QWidget *parent = nullptr);

    QDate selectedDate() const;
    void setSelectedDate(const QDate &date);

    /// For a plain edit box: opens 120 left of and 22 below the box, starts from the box's date
    /// (today when it holds none) and writes the chosen date as "dd.mm.yyyy". True on OK.
    static bool pickForEdit(QLineEdit *box);
    /// For an edit box showing a table field: placed as pickForEdit, starts from the field's date
    /// (today when empty), hands the choice to setField. True on OK.
    static bool pickForField(QWidget *box, const QDate &fieldDate, const FieldSetter &setField);
    /// For a date field, placed at the active window's top-left + (dx, dy). True on OK.
    static bool pickAt(int dx, int dy, const QDate &fieldDate, const FieldSetter &setField);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    /// Shows the dialog modally at the screen position; false when it was cancelled.
    static bool run(const QPoint &position, const QDate &start, const FieldSetter &setField);
    void stepMonths(int months);
    void stepYears(int years);
    void showSelection();
    void markHolidays(int year);

    QCalendarWidget *m_calendar;
    QLabel *m_yearLabel;
    QLabel *m_monthLabel;
    QLabel *m_holidayLabel;
};

} // namespace tekvora::stats::ui
