#include "stats/ui/TF_Kalender.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using tekvora::stats::ui::TF_Kalender;

namespace {

/// Runs the action on the calendar dialog once it is open.
void whenOpen(std::function<void(TF_Kalender *)> action)
{
    QTimer::singleShot(0, [action] {
        auto *dialog = qobject_cast<TF_Kalender *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        action(dialog);
    });
}

void click(TF_Kalender *dialog, const char *button)
{
    auto *target = dialog->findChild<QPushButton *>(button);
    QVERIFY(target);
    target->click();
}

} // namespace

class TestTF_Kalender : public QObject
{
    Q_OBJECT

private slots:
    void altKeySteps_data();
    void altKeySteps();
    void labelsAndHoliday();
    void todayButton();
    void editBoxEntry();
    void editBoxWithoutDateStartsToday();
    void cancelLeavesTheBox();
    void fieldEntryAtActiveWindow();
    void doubleClickActsAsOk();
};

void TestTF_Kalender::altKeySteps_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<QDate>("to");

    QTest::addRow("Page Up: previous year") << QDate(2009, 3, 15) << int(Qt::Key_PageUp) << QDate(2008, 3, 15);
    QTest::addRow("Page Down: next year") << QDate(2009, 3, 15) << int(Qt::Key_PageDown) << QDate(2010, 3, 15);
    QTest::addRow("Up: next month") << QDate(2009, 3, 15) << int(Qt::Key_Up) << QDate(2009, 4, 15);
    QTest::addRow("Down: previous month") << QDate(2009, 3, 15) << int(Qt::Key_Down) << QDate(2009, 2, 15);
    QTest::addRow("29 February to the next year") << QDate(2008, 2, 29) << int(Qt::Key_PageDown)
                                                  << QDate(2009, 2, 28);
    QTest::addRow("31 January to February") << QDate(2009, 1, 31) << int(Qt::Key_Up) << QDate(2009, 2, 28);
    QTest::addRow("January back to December") << QDate(2009, 1, 10) << int(Qt::Key_Down) << QDate(2008, 12, 10);
}

void TestTF_Kalender::altKeySteps()
{
    QFETCH(QDate, from);
    QFETCH(int, key);
    QFETCH(QDate, to);
    TF_Kalender dialog;
    dialog.setSelectedDate(from);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *view = dialog.findChild<QCalendarWidget *>("Calendar")->findChild<QTableView *>();
    QVERIFY(view);
    QTest::keyClick(view, Qt::Key(key), Qt::AltModifier);
    QCOMPARE(dialog.selectedDate(), to);

    // Without Alt the keys keep their usual meaning in the calendar.
    if (key == Qt::Key_Up) {
        QTest::keyClick(view, Qt::Key_Up);
        QCOMPARE(dialog.selectedDate(), to.addDays(-7));
    }
}

void TestTF_Kalender::labelsAndHoliday()
{
    TF_Kalender dialog;
    dialog.setSelectedDate(QDate(2009, 4, 13));
    QCOMPARE(dialog.windowTitle(), "Kalender");
    QCOMPARE(dialog.findChild<QLabel *>("lblJahr")->text(), "2009");
    QCOMPARE(dialog.findChild<QLabel *>("lblMonat")->text(), "April");
    QCOMPARE(dialog.findChild<QLabel *>("lblFeiertag")->text(), "2. Ostertag");
    dialog.setSelectedDate(QDate(2009, 4, 14));
    QCOMPARE(dialog.findChild<QLabel *>("lblFeiertag")->text(), "");
    QCOMPARE(dialog.findChild<QPushButton *>("btnHeute")->text(), "&Heute");
    QCOMPARE(dialog.findChild<QPushButton *>("btnOK")->text(), "&OK");
    QCOMPARE(dialog.findChild<QPushButton *>("btnAbbrechen")->text(), "&Abbrechen");
}

void TestTF_Kalender::todayButton()
{
    TF_Kalender dialog;
    dialog.setSelectedDate(QDate(2001, 5, 5));
    dialog.findChild<QPushButton *>("btnHeute")->click();
    QCOMPARE(dialog.selectedDate(), QDate::currentDate());
}

void TestTF_Kalender::editBoxEntry()
{
    QWidget window;
    window.move(300, 200);
    auto *box = new QLineEdit("24.12.2009", &window);
    box->move(10, 10);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QPoint shownAt;
    QDate startedAt;
    whenOpen([&](TF_Kalender *dialog) {
        shownAt = dialog->pos();
        startedAt = dialog->selectedDate();
        dialog->setSelectedDate(QDate(2009, 12, 31));
        click(dialog, "btnOK");
    });
    QVERIFY(TF_Kalender::pickForEdit(box));
    QCOMPARE(startedAt, QDate(2009, 12, 24));
    QCOMPARE(box->text(), "31.12.2009");
    const QPoint expected = box->mapToGlobal(QPoint(0, 0)) + QPoint(-120, 22);
    QCOMPARE(shownAt, QPoint(qMax(0, expected.x()), qMax(0, expected.y())));
}

void TestTF_Kalender::editBoxWithoutDateStartsToday()
{
    QLineEdit box("  .  .    ");
    QDate startedAt;
    whenOpen([&](TF_Kalender *dialog) {
        startedAt = dialog->selectedDate();
        click(dialog, "btnOK");
    });
    QVERIFY(TF_Kalender::pickForEdit(&box));
    QCOMPARE(startedAt, QDate::currentDate());
}

void TestTF_Kalender::cancelLeavesTheBox()
{
    QLineEdit box("24.12.2009");
    whenOpen([](TF_Kalender *dialog) {
        dialog->setSelectedDate(QDate(2010, 1, 1));
        click(dialog, "btnAbbrechen");
    });
    QVERIFY(!TF_Kalender::pickForEdit(&box));
    QCOMPARE(box.text(), "24.12.2009");
}

void TestTF_Kalender::fieldEntryAtActiveWindow()
{
    QWidget window;
    window.move(400, 300);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QPoint shownAt;
    QDate startedAt;
    whenOpen([&](TF_Kalender *dialog) {
        shownAt = dialog->pos();
        startedAt = dialog->selectedDate();
        click(dialog, "btnOK");
    });
    QDate stored;
    QVERIFY(TF_Kalender::pickAt(-500, 40, QDate(2009, 6, 1), [&](const QDate &date) { stored = date; }));
    QCOMPARE(startedAt, QDate(2009, 6, 1));
    QCOMPARE(stored, QDate(2009, 6, 1));
    QCOMPARE(shownAt, QPoint(0, window.pos().y() + 40));

    whenOpen([&](TF_Kalender *dialog) {
        startedAt = dialog->selectedDate();
        click(dialog, "btnOK");
    });
    QVERIFY(TF_Kalender::pickAt(10, 10, QDate(), [&](const QDate &date) { stored = date; }));
    QCOMPARE(startedAt, QDate::currentDate());
}

void TestTF_Kalender::doubleClickActsAsOk()
{
    QLineEdit box("10.03.2009");
    whenOpen([](TF_Kalender *dialog) {
        auto *view = dialog->findChild<QCalendarWidget *>("Calendar")->findChild<QTableView *>();
        const QModelIndex current = view->currentIndex();
        const QPoint centre = view->visualRect(current.siblingAtColumn(current.column() + 1)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    });
    QVERIFY(TF_Kalender::pickForEdit(&box));
    QCOMPARE(box.text(), "11.03.2009");
}

QTEST_MAIN(TestTF_Kalender)
#include "TestTF_Kalender.moc"
