#include "stats/ui/SelectorGrid.h"
#include "stats/ui/TFrSelJahrMon.h"

#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

using tekvora::stats::ui::SelectorGrid;
using tekvora::stats::ui::TFrSelJahrMon;

namespace {

QPoint centreOf(const SelectorGrid *grid, int row, int column)
{
    return grid->cellRect(row, column).center();
}

/// A mouse move with the given buttons held; QTest::mouseMove cannot hold a button.
void moveHeld(SelectorGrid *grid, int row, int column, Qt::MouseButtons buttons = Qt::LeftButton,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const QPointF local = centreOf(grid, row, column);
    QMouseEvent move(QEvent::MouseMove, local, grid->mapToGlobal(local), Qt::NoButton, buttons, modifiers);
    QApplication::sendEvent(grid, &move);
}

} // namespace

class TestTFrSelJahrMon : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void yearPressAndLabels();
    void dragAcrossMonths();
    void onlyTheLeftButtonAloneCounts_data();
    void onlyTheLeftButtonAloneCounts();
    void calendarWeekAndDays();

private:
    TFrSelJahrMon *m_frame = nullptr;
};

void TestTFrSelJahrMon::init()
{
    m_frame = new TFrSelJahrMon;
    m_frame->setUp(QDate(2009, 3, 15), -6);
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame));
}

void TestTFrSelJahrMon::cleanup()
{
    delete m_frame;
}

void TestTFrSelJahrMon::yearPressAndLabels()
{
    QSignalSpy changed(m_frame, &TFrSelJahrMon::periodChanged);
    auto *years = m_frame->findChild<SelectorGrid *>("sgJahr");
    QVERIFY(years);
    QTest::mouseClick(years, Qt::LeftButton, Qt::NoModifier, centreOf(years, 5, 0));
    QCOMPARE(m_frame->start(), QDate(2008, 1, 1));
    QCOMPARE(m_frame->end(), QDate(2008, 12, 31));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.first().at(0).toDate(), QDate(2008, 1, 1));
    QCOMPARE(m_frame->findChild<QLabel *>("lblZeitraum")->text(), "01.01.2008 - 31.12.2008");
    QCOMPARE(m_frame->findChild<QLabel *>("lblMonat")->text(), "Januar 2008");

    QTest::mouseClick(years, Qt::LeftButton, Qt::NoModifier, centreOf(years, 5, 0));
    QCOMPARE(changed.size(), 1);
}

void TestTFrSelJahrMon::dragAcrossMonths()
{
    auto *years = m_frame->yearGrid();
    QTest::mousePress(years, Qt::LeftButton, Qt::NoModifier, centreOf(years, 6, 3));
    moveHeld(years, 6, 4);
    moveHeld(years, 6, 5);
    QTest::mouseRelease(years, Qt::LeftButton, Qt::NoModifier, centreOf(years, 6, 5));
    QCOMPARE(m_frame->start(), QDate(2009, 3, 1));
    QCOMPARE(m_frame->end(), QDate(2009, 5, 31));
}

void TestTFrSelJahrMon::onlyTheLeftButtonAloneCounts_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("modifiers");

    QTest::addRow("right button") << int(Qt::RightButton) << int(Qt::NoModifier);
    QTest::addRow("left with shift") << int(Qt::LeftButton) << int(Qt::ShiftModifier);
    QTest::addRow("left with control") << int(Qt::LeftButton) << int(Qt::ControlModifier);
}

void TestTFrSelJahrMon::onlyTheLeftButtonAloneCounts()
{
    QFETCH(int, button);
    QFETCH(int, modifiers);
    auto *years = m_frame->yearGrid();
    QTest::mousePress(years, Qt::MouseButton(button), Qt::KeyboardModifiers(modifiers), centreOf(years, 5, 0));
    moveHeld(years, 6, 6, Qt::MouseButtons(button), Qt::KeyboardModifiers(modifiers));
    QTest::mouseRelease(years, Qt::MouseButton(button), Qt::KeyboardModifiers(modifiers), centreOf(years, 6, 6));
    QCOMPARE(m_frame->start(), QDate(2009, 3, 1));
    QCOMPARE(m_frame->end(), QDate(2009, 3, 31));

    // Moving with the left and another button held is no drag either.
    moveHeld(years, 6, 7, Qt::LeftButton | Qt::RightButton);
    QCOMPARE(m_frame->end(), QDate(2009, 3, 31));
}

void TestTFrSelJahrMon::calendarWeekAndDays()
{
    auto *calendar = m_frame->findChild<SelectorGrid *>("sgMonat");
    QVERIFY(calendar);
    // March 2009 begins on a Sunday: row 2 is the week of Monday 2 March.
    QTest::mouseClick(calendar, Qt::LeftButton, Qt::NoModifier, centreOf(calendar, 2, 0));
    QCOMPARE(m_frame->start(), QDate(2009, 3, 2));
    QCOMPARE(m_frame->end(), QDate(2009, 3, 8));

    QTest::mouseClick(calendar, Qt::LeftButton, Qt::NoModifier, centreOf(calendar, 1, 0));
    QCOMPARE(m_frame->start(), QDate(2009, 3, 2));

    // 10 March is a Tuesday in row 3; drag to Thursday 12 March.
    QTest::mousePress(calendar, Qt::LeftButton, Qt::NoModifier, centreOf(calendar, 3, 2));
    moveHeld(calendar, 3, 3);
    QTest::mouseRelease(calendar, Qt::LeftButton, Qt::NoModifier, centreOf(calendar, 3, 4));
    QCOMPARE(m_frame->start(), QDate(2009, 3, 10));
    QCOMPARE(m_frame->end(), QDate(2009, 3, 12));
    QCOMPARE(m_frame->findChild<QLabel *>("lblZeitraum")->text(), "10.03.2009 - 12.03.2009");
}

QTEST_MAIN(TestTFrSelJahrMon)
#include "TestTFrSelJahrMon.moc"
