#include "StatsFixture.h"
#include "stats/MdeEditor.h"

#include <QTest>

using namespace tekvora::stats;
using tekvora::test::StatsFixture;

namespace {

QString stored(const QString &text)
{
    return StatsFixture::stored(StatsFixture::at(text));
}

} // namespace

class TestMdeEditor : public QObject
{
    Q_OBJECT

private slots:
    void endTimeToTheWholeMinute_data();
    void endTimeToTheWholeMinute();
    void editingVisitMovesItsEnd();
    void personRecordsKeepVisitTotals();
    void personEditCountsForItsOwnVisit();
    void newPersonTakesTheVisitsLinks();
    void deletingVisitDeletesItsPersons();
    void longVisitsGoTenHoursStay();
    void zeroEntriesGo();
    void badDurationChangesNothing_data();
    void badDurationChangesNothing();
};

void TestMdeEditor::endTimeToTheWholeMinute_data()
{
    QTest::addColumn<double>("hours");
    QTest::addColumn<QString>("end");

    QTest::addRow("1.5 h") << 1.5 << "01.12.2026 09:30";
    QTest::addRow("half a minute rounds to even 0") << 1.0 / 120 << "01.12.2026 08:00";
    QTest::addRow("1.5 minutes round to even 2") << 0.025 << "01.12.2026 08:02";
    QTest::addRow("0.333 h") << 0.333 << "01.12.2026 08:20";
    QTest::addRow("over midnight") << 17.0 << "02.12.2026 01:00";
}

void TestMdeEditor::endTimeToTheWholeMinute()
{
    QFETCH(double, hours);
    QFETCH(QString, end);
    QCOMPARE(endFromDuration(StatsFixture::at(QStringLiteral("01.12.2026 08:00")), hours), StatsFixture::at(end));
}

void TestMdeEditor::editingVisitMovesItsEnd()
{
    StatsFixture fx;
    const qint64 visit = fx.addVisit(QStringLiteral("01.12.2026 08:00"), 1.5);
    QCOMPARE(fx.value(QStringLiteral("SELECT SC_EndTime FROM MdeObj")).toString(), stored("01.12.2026 09:30"));

    MdeEditor editor(fx.db());
    QVERIFY2(editor.updateVisit(visit, {12, QStringLiteral("Kirche"), 2.0}), qPrintable(editor.error()));
    QCOMPARE(fx.value(QStringLiteral("SELECT SC_EndTime FROM MdeObj")).toString(), stored("01.12.2026 10:00"));
    QCOMPARE(fx.value(QStringLiteral("SELECT SC_ObjNr || SC_ObjBez || SC_Dauer FROM MdeObj")).toString(),
             QStringLiteral("12Kirche2.0"));
}

void TestMdeEditor::personRecordsKeepVisitTotals()
{
    StatsFixture fx;
    const qint64 visit = fx.addVisit(QStringLiteral("01.12.2026 08:00"), 3.0, 1, QStringLiteral("Haus"), 1.0, 0.75);
    fx.addPerson(visit, QStringLiteral("01.12.2026 08:00"), 1.0, 0.75);
    MdeEditor editor(fx.db());
    const QString totals = QStringLiteral("SELECT SC_DauerPers || '/' || SC_DauerJob FROM MdeObj");

    const auto added = editor.insertPerson(visit, {8, QStringLiteral("Meier"), 4, QStringLiteral("Rasen"), 0.5, 0.25});
    QVERIFY2(added, qPrintable(editor.error()));
    QCOMPARE(fx.value(totals).toString(), QStringLiteral("1.5/1.0"));

    QVERIFY(editor.updatePerson(*added, {8, QStringLiteral("Meier"), 4, QStringLiteral("Rasen"), 2.0, 0.5}));
    QCOMPARE(fx.value(totals).toString(), QStringLiteral("3.0/1.25"));
    QCOMPARE(fx.value(QStringLiteral("SELECT SC_EndPers || '/' || SC_EndJob FROM MdePJ WHERE SC_ID = %1").arg(*added))
                 .toString(),
             stored("01.12.2026 10:00") + QLatin1Char('/') + stored("01.12.2026 08:30"));

    QVERIFY(editor.deletePerson(*added));
    QCOMPARE(fx.value(totals).toString(), QStringLiteral("1.0/0.75"));
    QCOMPARE(fx.value(QStringLiteral("SELECT COUNT(*) FROM MdePJ")).toInt(), 1);
}

void TestMdeEditor::personEditCountsForItsOwnVisit()
{
    // Two visits of one site on one day: the editing list shows both visits' persons under either.
    StatsFixture fx;
    const qint64 first = fx.addVisit(QStringLiteral("01.12.2026 08:00"), 1.0, 1, QStringLiteral("Haus"), 1.0, 1.0);
    const qint64 second = fx.addVisit(QStringLiteral("01.12.2026 14:00"), 1.0, 1, QStringLiteral("Haus"), 1.0, 1.0);
    fx.addPerson(first, QStringLiteral("01.12.2026 08:00"), 1.0, 1.0);
    const qint64 person = fx.addPerson(second, QStringLiteral("01.12.2026 14:00"), 1.0, 1.0);

    MdeEditor editor(fx.db());
    QVERIFY(editor.updatePerson(person, {7, QStringLiteral("Müller"), 3, QStringLiteral("x"), 1.5, 0.5}));
    QCOMPARE(fx.value(QStringLiteral("SELECT SC_DauerPers FROM MdeObj WHERE SC_ID = %1").arg(first)).toDouble(), 1.0);
    QCOMPARE(fx.value(QStringLiteral("SELECT SC_DauerPers FROM MdeObj WHERE SC_ID = %1").arg(second)).toDouble(), 1.5);
    QCOMPARE(fx.value(QStringLiteral("SELECT SC_DauerJob FROM MdeObj WHERE SC_ID = %1").arg(second)).toDouble(), 0.5);
}

void TestMdeEditor::newPersonTakesTheVisitsLinks()
{
    StatsFixture fx;
    fx.addVisit(QStringLiteral("01.12.2026 08:00"), 1.0);
    MdeEditor editor(fx.db());
    const auto visit = editor.insertVisit(StatsFixture::at(QStringLiteral("03.12.2026 07:15")),
                                          {42, QStringLiteral("Bad"), 1.25});
    QVERIFY2(visit, qPrintable(editor.error()));
    QCOMPARE(*visit, 2);
    QCOMPARE(fx.value(QStringLiteral("SELECT SC_EntryType || '|' || SC_Ref || '|' || SC_TourID || '|' || SC_TourDate "
                                     "|| '|' || SC_EndTime FROM MdeObj WHERE SC_ID = 2"))
                 .toString(),
             QStringLiteral("1|0|0|2026-12-03 00:00:00|2026-12-03 08:30:00"));

    const auto person = editor.insertPerson(*visit, {5, QStringLiteral("Kurz"), 0, {}, 0.0, 0.0});
    QVERIFY(person);
    QCOMPARE(fx.value(QStringLiteral("SELECT SC_EntryType || '|' || SC_Ref || '|' || SC_ObjNr || '|' || SC_ObjBez || "
                                     "'|' || SC_TourDate || '|' || SC_StartPers || '|' || SC_EndJob FROM MdePJ"))
                 .toString(),
             QStringLiteral("3|2|42|Bad|2026-12-03 00:00:00|2026-12-03 07:15:00|2026-12-03 07:15:00"));
}

void TestMdeEditor::deletingVisitDeletesItsPersons()
{
    StatsFixture fx;
    const qint64 visit = fx.addVisit(QStringLiteral("01.12.2026 08:00"), 1.0, 1);
    const qint64 other = fx.addVisit(QStringLiteral("01.12.2026 10:00"), 1.0, 1);
    fx.addPerson(visit, QStringLiteral("01.12.2026 08:00"), 1.0, 1.0, 7, 1);
    fx.addPerson(visit, QStringLiteral("02.12.2026 08:00"), 1.0, 1.0, 7, 99); // another day and site
    fx.addPerson(other, QStringLiteral("01.12.2026 10:00"), 1.0, 1.0, 7, 1);

    MdeEditor editor(fx.db());
    QVERIFY(editor.deleteVisit(visit));
    QCOMPARE(fx.value(QStringLiteral("SELECT group_concat(SC_Ref) FROM MdePJ")).toString(), QString::number(other));
    QCOMPARE(fx.value(QStringLiteral("SELECT group_concat(SC_ID) FROM MdeObj")).toString(), QString::number(other));
}

void TestMdeEditor::longVisitsGoTenHoursStay()
{
    StatsFixture fx;
    fx.addVisit(QStringLiteral("01.12.2026 08:00"), 10.0);
    const qint64 longer = fx.addVisit(QStringLiteral("02.12.2026 08:00"), 10.01);
    fx.addPerson(longer, QStringLiteral("02.12.2026 08:00"), 10.0, 10.0);
    fx.addVisit(QStringLiteral("01.01.2027 00:00"), 11.0); // the day after the end still counts here
    fx.addVisit(QStringLiteral("01.01.2027 00:01"), 12.0);

    MdeEditor editor(fx.db());
    const auto count = editor.deleteLongVisits({QDate(2026, 12, 1), QDate(2026, 12, 31)});
    QVERIFY2(count, qPrintable(editor.error()));
    QCOMPARE(*count, 2);
    QCOMPARE(fx.value(QStringLiteral("SELECT group_concat(SC_Dauer, '/') FROM MdeObj")).toString(),
             QStringLiteral("10.0/12.0"));
    QCOMPARE(fx.value(QStringLiteral("SELECT COUNT(*) FROM MdePJ")).toInt(), 0);
}

void TestMdeEditor::zeroEntriesGo()
{
    StatsFixture fx;
    const qint64 empty = fx.addVisit(QStringLiteral("01.12.2026 08:00"), 0.0, 1, QStringLiteral("Haus"), 0.5, 0.0);
    const qint64 kept = fx.addVisit(QStringLiteral("02.12.2026 08:00"), 1.0, 1, QStringLiteral("Haus"), 0.0, 0.0);
    fx.addVisit(QStringLiteral("01.01.2027 00:00"), 0.0);
    fx.addPerson(empty, QStringLiteral("01.12.2026 08:00"), 0.5, 0.0);
    fx.addPerson(kept, QStringLiteral("02.12.2026 08:00"), 0.0, 0.0);

    MdeEditor editor(fx.db());
    QVERIFY(editor.deleteZeroEntries({QDate(2026, 12, 1), QDate(2026, 12, 31)}));
    QCOMPARE(fx.value(QStringLiteral("SELECT group_concat(SC_StartTime, '/') FROM MdeObj")).toString(),
             stored("02.12.2026 08:00") + QLatin1Char('/') + stored("01.01.2027 00:00"));
    QCOMPARE(fx.value(QStringLiteral("SELECT group_concat(SC_Ref) FROM MdePJ")).toString(), QString::number(empty));
}

void TestMdeEditor::badDurationChangesNothing_data()
{
    QTest::addColumn<double>("hours");
    QTest::addRow("negative") << -0.5;
    QTest::addRow("not a number") << std::nan("");
    QTest::addRow("absurd") << 1e12;
}

void TestMdeEditor::badDurationChangesNothing()
{
    QFETCH(double, hours);
    StatsFixture fx;
    const qint64 visit = fx.addVisit(QStringLiteral("01.12.2026 08:00"), 1.0, 1, QStringLiteral("Haus"), 1.0, 1.0);
    const qint64 person = fx.addPerson(visit, QStringLiteral("01.12.2026 08:00"), 1.0, 1.0);
    MdeEditor editor(fx.db());
    QVERIFY(!editor.updateVisit(visit, {1, QStringLiteral("Haus"), hours}));
    QCOMPARE(editor.error(), QStringLiteral("Die Dauer muss zwischen 0 und 100000 Stunden liegen."));
    QVERIFY(!editor.updatePerson(person, {7, QStringLiteral("Müller"), 3, {}, 1.0, hours}));
    QVERIFY(!editor.insertPerson(visit, {7, QStringLiteral("Müller"), 3, {}, hours, 0.0}));
    QCOMPARE(fx.value(QStringLiteral("SELECT SC_Dauer || SC_DauerPers || SC_DauerJob FROM MdeObj")).toString(),
             QStringLiteral("1.01.01.0"));
    QCOMPARE(fx.value(QStringLiteral("SELECT COUNT(*) || SUM(SC_DauerJob) FROM MdePJ")).toString(),
             QStringLiteral("11.0"));
}

QTEST_GUILESS_MAIN(TestMdeEditor)
#include "TestMdeEditor.moc"
