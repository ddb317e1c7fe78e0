#include "stats/StatsFormat.h"

#include <QTest>

using namespace tekvora::stats;

Q_DECLARE_METATYPE(tekvora::stats::ColumnKind)

/// Stored statistics values as the grids, reports and the command line show them.
class TestStatsFormat : public QObject
{
    Q_OBJECT

private slots:
    void columnTexts_data();
    void columnTexts();
};

void TestStatsFormat::columnTexts_data()
{
    QTest::addColumn<ColumnKind>("kind");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("hourMinute");
    QTest::addColumn<QString>("shown");

    QTest::addRow("date") << ColumnKind::Date << QVariant("2026-12-02") << false << "02.12.2026";
    QTest::addRow("date of a date-time") << ColumnKind::Date << QVariant("2026-12-02 00:00:00") << false
                                         << "02.12.2026";
    QTest::addRow("date-time") << ColumnKind::DateTime << QVariant("2026-12-31 23:50:59") << false
                               << "31.12.2026 23:50";
    QTest::addRow("date-time of a date") << ColumnKind::DateTime << QVariant("2027-01-01") << false
                                         << "01.01.2027 00:00";
    QTest::addRow("no such day") << ColumnKind::Date << QVariant("2026-02-30") << false << "";
    QTest::addRow("no such hour") << ColumnKind::DateTime << QVariant("2026-02-03 25:00:00") << false << "";
    QTest::addRow("not a date") << ColumnKind::DateTime << QVariant("gestern") << false << "";
    QTest::addRow("null") << ColumnKind::DateTime << QVariant() << false << "";
    QTest::addRow("decimal hours") << ColumnKind::Duration << QVariant(1.25) << false << "  1,25 Std";
    QTest::addRow("hours and minutes") << ColumnKind::Duration << QVariant(1.25) << true << " 1:15 Std";
    QTest::addRow("number") << ColumnKind::Integer << QVariant(4711) << true << "4711";
}

void TestStatsFormat::columnTexts()
{
    QFETCH(ColumnKind, kind);
    QFETCH(QVariant, stored);
    QFETCH(bool, hourMinute);
    QFETCH(QString, shown);
    QCOMPARE(columnText(kind, stored, hourMinute), shown);
}

QTEST_GUILESS_MAIN(TestStatsFormat)
#include "TestStatsFormat.moc"
