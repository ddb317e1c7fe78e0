#include "stats/PeriodSelection.h"

#include <QtTest>

using tekvora::stats::CalendarDay;
using tekvora::stats::PeriodSelection;

namespace {

/// A selector set up for 15 March 2009 with the year rows 2004 to 2009, as the main window has it.
PeriodSelection march2009()
{
    PeriodSelection selection;
    selection.setUp(QDate(2009, 3, 15), -6);
    return selection;
}

/// Row and column of a date on the calendar; (-1, -1) when it is not shown.
QPoint cellOf(const PeriodSelection &selection, const QDate &date)
{
    for (int row = 1; row < PeriodSelection::calendarRows; ++row)
        for (int column = 1; column < PeriodSelection::calendarColumns; ++column)
            if (selection.calendarDate(row, column) == date)
                return QPoint(column, row);
    return QPoint(-1, -1);
}

} // namespace

class TestPeriodSelection : public QObject
{
    Q_OBJECT

private slots:
    void setUpTakesTheMonth();
    void headers();
    void calendarLayout_data();
    void calendarLayout();
    void weekNumbers_data();
    void weekNumbers();
    void yearGestures();
    void dragOnYearGrid_data();
    void dragOnYearGrid();
    void dragBeforeStartMovesCalendar();
    void monthMarks();
    void weekPress_data();
    void weekPress();
    void dayGestures();
    void dragOutsideMonthIgnored();
    void dayLooks();
    void setRangeShowsStartMonth();
    void labels();
};

void TestPeriodSelection::setUpTakesTheMonth()
{
    const PeriodSelection selection = march2009();
    QCOMPARE(selection.start(), QDate(2009, 3, 1));
    QCOMPARE(selection.end(), QDate(2009, 3, 31));
    QCOMPARE(selection.anchor(), QDate(2009, 2, 28));
    QCOMPARE(selection.yearCellText(1, 0), "2004");
    QCOMPARE(selection.yearCellText(6, 0), "2009");
}

void TestPeriodSelection::headers()
{
    const PeriodSelection selection = march2009();
    QCOMPARE(selection.yearCellText(0, 0), "Jahr");
    QCOMPARE(selection.yearCellText(0, 1), "Jan");
    QCOMPARE(selection.yearCellText(0, 12), "Dez");
    QCOMPARE(selection.calendarCellText(0, 0), "KW");
    QCOMPARE(selection.calendarCellText(0, 1), "Mo");
    QCOMPARE(selection.calendarCellText(0, 7), "So");
}

void TestPeriodSelection::calendarLayout_data()
{
    QTest::addColumn<QDate>("month");
    QTest::addColumn<QDate>("topLeft");

    QTest::addRow("month beginning on a Monday") << QDate(2009, 6, 1) << QDate(2009, 6, 1);
    QTest::addRow("month beginning on a Sunday") << QDate(2009, 3, 1) << QDate(2009, 2, 23);
    QTest::addRow("month beginning on a Thursday") << QDate(2009, 1, 1) << QDate(2008, 12, 29);
}

void TestPeriodSelection::calendarLayout()
{
    QFETCH(QDate, month);
    QFETCH(QDate, topLeft);
    PeriodSelection selection;
    selection.setUp(month, -6);
    QCOMPARE(selection.calendarDate(1, 1), topLeft);
    for (int row = 1; row < PeriodSelection::calendarRows; ++row)
        for (int column = 1; column < PeriodSelection::calendarColumns; ++column) {
            const QDate date = selection.calendarDate(row, column);
            QCOMPARE(date, topLeft.addDays(7 * (row - 1) + column - 1));
            QCOMPARE(date.dayOfWeek(), column);
            QCOMPARE(selection.calendarCellText(row, column), date.toString("dd"));
        }
    QCOMPARE(selection.calendarDate(0, 1), QDate());
    QCOMPARE(selection.calendarDate(1, 0), QDate());
}

void TestPeriodSelection::weekNumbers_data()
{
    QTest::addColumn<QDate>("month");
    QTest::addColumn<QList<int>>("weeks");

    QTest::addRow("June 2009 starts with week 23") << QDate(2009, 6, 1) << QList<int>{23, 24, 25, 26, 27, 28};
    QTest::addRow("January 2009 starts in week 1") << QDate(2009, 1, 1) << QList<int>{1, 2, 3, 4, 5, 6};
    QTest::addRow("January 2010 starts in week 53") << QDate(2010, 1, 1) << QList<int>{53, 1, 2, 3, 4, 5};
    QTest::addRow("January 2011 starts in week 52") << QDate(2011, 1, 1) << QList<int>{52, 1, 2, 3, 4, 5};
    QTest::addRow("December 2008 ends in week 1") << QDate(2008, 12, 1) << QList<int>{49, 50, 51, 52, 1, 2};
}

void TestPeriodSelection::weekNumbers()
{
    QFETCH(QDate, month);
    QFETCH(QList<int>, weeks);
    PeriodSelection selection;
    selection.setUp(month, -6);
    for (int row = 1; row < PeriodSelection::calendarRows; ++row) {
        QCOMPARE(selection.weekNumber(row), weeks.at(row - 1));
        QCOMPARE(selection.calendarCellText(row, 0), QString::number(weeks.at(row - 1)));
    }
}

void TestPeriodSelection::yearGestures()
{
    PeriodSelection selection = march2009();
    selection.pressYearCell(5, 0);
    QCOMPARE(selection.start(), QDate(2008, 1, 1));
    QCOMPARE(selection.end(), QDate(2008, 12, 31));
    QCOMPARE(selection.anchor(), QDate(2007, 12, 31));
    for (int month = 1; month <= 12; ++month)
        QVERIFY(selection.isMonthMarked(5, month));
    QVERIFY(!selection.isMonthMarked(4, 12));
    QVERIFY(!selection.isMonthMarked(6, 1));

    selection.pressYearCell(2, 2);
    QCOMPARE(selection.start(), QDate(2005, 2, 1));
    QCOMPARE(selection.end(), QDate(2005, 2, 28));
    QCOMPARE(selection.anchor(), QDate(2005, 1, 31));

    const QDate start = selection.start();
    selection.pressYearCell(0, 3);
    selection.pressYearCell(7, 3);
    selection.pressYearCell(1, 13);
    QCOMPARE(selection.start(), start);
}

void TestPeriodSelection::dragOnYearGrid_data()
{
    QTest::addColumn<QPoint>("pressed");
    QTest::addColumn<QList<QPoint>>("dragged");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");

    // Cells as (column = month, row = year row); row 6 is 2009.
    QTest::addRow("March to May") << QPoint(3, 6) << QList<QPoint>{{4, 6}, {5, 6}} << QDate(2009, 3, 1)
                                  << QDate(2009, 5, 31);
    QTest::addRow("across the year") << QPoint(11, 5) << QList<QPoint>{{12, 5}, {1, 6}, {2, 6}}
                                     << QDate(2008, 11, 1) << QDate(2009, 2, 28);
    QTest::addRow("back before the start") << QPoint(5, 6) << QList<QPoint>{{4, 6}, {3, 6}} << QDate(2009, 3, 1)
                                           << QDate(2009, 3, 31);
    QTest::addRow("back and forth") << QPoint(3, 6) << QList<QPoint>{{6, 6}, {4, 6}} << QDate(2009, 3, 1)
                                    << QDate(2009, 4, 30);
    QTest::addRow("over the year column") << QPoint(3, 6) << QList<QPoint>{{0, 6}, {0, 0}} << QDate(2009, 3, 1)
                                          << QDate(2009, 3, 31);
}

void TestPeriodSelection::dragOnYearGrid()
{
    QFETCH(QPoint, pressed);
    QFETCH(QList<QPoint>, dragged);
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    PeriodSelection selection = march2009();
    selection.pressYearCell(pressed.y(), pressed.x());
    for (const QPoint &cell : dragged)
        selection.dragYearCell(cell.y(), cell.x());
    QCOMPARE(selection.start(), start);
    QCOMPARE(selection.end(), end);
}

void TestPeriodSelection::dragBeforeStartMovesCalendar()
{
    PeriodSelection selection = march2009();
    selection.pressYearCell(6, 5);
    selection.dragYearCell(6, 3);
    QCOMPARE(selection.start(), QDate(2009, 3, 1));
    QCOMPARE(selection.anchor(), QDate(2009, 2, 28));
    QCOMPARE(selection.calendarDate(1, 7), QDate(2009, 3, 1));
    QCOMPARE(selection.monthText(), QStringLiteral("März 2009"));
}

void TestPeriodSelection::monthMarks()
{
    PeriodSelection selection = march2009();
    selection.setRange(QDate(2008, 11, 20), QDate(2009, 2, 3));
    QCOMPARE(selection.yearCellText(5, 10), "");
    QCOMPARE(selection.yearCellText(5, 11), "*");
    QCOMPARE(selection.yearCellText(6, 2), "*");
    QCOMPARE(selection.yearCellText(6, 3), "");

    selection.setRange(QDate(2009, 5, 1), QDate(2009, 3, 1));
    for (int month = 1; month <= 12; ++month)
        QVERIFY(!selection.isMonthMarked(6, month));
}

void TestPeriodSelection::weekPress_data()
{
    QTest::addColumn<QDate>("month");
    QTest::addColumn<int>("row");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");

    QTest::addRow("full week") << QDate(2009, 3, 1) << 2 << QDate(2009, 3, 2) << QDate(2009, 3, 8);
    QTest::addRow("Monday in the previous month") << QDate(2009, 3, 1) << 1 << QDate(2009, 3, 1)
                                                  << QDate(2009, 3, 31);
    QTest::addRow("week into the next month") << QDate(2009, 3, 1) << 6 << QDate(2009, 3, 30)
                                              << QDate(2009, 4, 5);
    QTest::addRow("Monday in the next month") << QDate(2009, 2, 1) << 6 << QDate(2009, 2, 1)
                                              << QDate(2009, 2, 28);
    QTest::addRow("first row of a month beginning on Monday") << QDate(2009, 6, 1) << 1 << QDate(2009, 6, 1)
                                                              << QDate(2009, 6, 7);
}

void TestPeriodSelection::weekPress()
{
    QFETCH(QDate, month);
    QFETCH(int, row);
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    PeriodSelection selection;
    selection.setUp(month, -6);
    selection.pressCalendarCell(row, 0);
    QCOMPARE(selection.start(), start);
    QCOMPARE(selection.end(), end);
}

void TestPeriodSelection::dayGestures()
{
    PeriodSelection selection = march2009();
    const QPoint tenth = cellOf(selection, QDate(2009, 3, 10));
    const QPoint twelfth = cellOf(selection, QDate(2009, 3, 12));
    const QPoint fifth = cellOf(selection, QDate(2009, 3, 5));

    selection.pressCalendarCell(tenth.y(), tenth.x());
    QCOMPARE(selection.start(), QDate(2009, 3, 10));
    QCOMPARE(selection.end(), QDate(2009, 3, 10));
    selection.dragCalendarCell(twelfth.y(), twelfth.x());
    QCOMPARE(selection.end(), QDate(2009, 3, 12));

    // Dragging backwards leaves an end before the start: an empty period.
    selection.dragCalendarCell(fifth.y(), fifth.x());
    QCOMPARE(selection.start(), QDate(2009, 3, 10));
    QCOMPARE(selection.end(), QDate(2009, 3, 5));
    QCOMPARE(selection.anchor(), QDate(2009, 2, 28));
}

void TestPeriodSelection::dragOutsideMonthIgnored()
{
    PeriodSelection selection = march2009();
    const QPoint february = cellOf(selection, QDate(2009, 2, 27));
    const QPoint april = cellOf(selection, QDate(2009, 4, 2));
    QVERIFY(february.x() > 0 && april.x() > 0);

    selection.pressCalendarCell(february.y(), february.x());
    QCOMPARE(selection.start(), QDate(2009, 3, 1));
    selection.dragCalendarCell(april.y(), april.x());
    QCOMPARE(selection.end(), QDate(2009, 3, 31));
    selection.dragCalendarCell(0, 3);
    QCOMPARE(selection.end(), QDate(2009, 3, 31));
}

void TestPeriodSelection::dayLooks()
{
    PeriodSelection selection;
    selection.setUp(QDate(2009, 4, 1), -6);
    selection.setRange(QDate(2009, 4, 6), QDate(2009, 4, 12));

    const QPoint goodFriday = cellOf(selection, QDate(2009, 4, 10));
    const CalendarDay friday = selection.calendarDay(goodFriday.y(), goodFriday.x());
    QVERIFY(friday.holiday && friday.inRange && friday.inShownMonth && !friday.weekend);

    const QPoint saturday = cellOf(selection, QDate(2009, 4, 18));
    const CalendarDay weekend = selection.calendarDay(saturday.y(), saturday.x());
    QVERIFY(weekend.weekend && !weekend.inRange && !weekend.holiday);

    const QPoint march = cellOf(selection, QDate(2009, 3, 30));
    QVERIFY(!selection.calendarDay(march.y(), march.x()).inShownMonth);
}

void TestPeriodSelection::setRangeShowsStartMonth()
{
    PeriodSelection selection = march2009();
    selection.setRange(QDate(2008, 1, 1), QDate(2008, 12, 31));
    QCOMPARE(selection.anchor(), QDate(2007, 12, 31));
    QCOMPARE(selection.calendarDate(1, 2), QDate(2008, 1, 1));
    QCOMPARE(selection.monthText(), "Januar 2008");
}

void TestPeriodSelection::labels()
{
    PeriodSelection selection = march2009();
    QCOMPARE(selection.rangeText(), "01.03.2009 - 31.03.2009");
    QCOMPARE(selection.monthText(), QStringLiteral("März 2009"));
}

QTEST_GUILESS_MAIN(TestPeriodSelection)
#include "TestPeriodSelection.moc"
