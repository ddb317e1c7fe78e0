#include "SiteFixture.h"
#include "masterdata/SiteFilter.h"
#include "masterdata/SiteRecords.h"

#include <QTest>

using namespace tekvora::masterdata;
using tekvora::test::SiteFixture;

class TestSiteRecords : public QObject
{
    Q_OBJECT

private slots:
    void filterModeShowsItsSites_data();
    void filterModeShowsItsSites();
    void newActivityDefaults();
    void copyAppendsTheSourceRows();
    void copyIsAllOrNothing();
    void allSitesSelectedOnAndOff();
    void longTextOfTheActivity();
};

void TestSiteRecords::filterModeShowsItsSites_data()
{
    QTest::addColumn<bool>("active");
    QTest::addColumn<bool>("inactive");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QList<int>>("shown");
    // Site 3 has no active flag: it counts as active.
    QTest::addRow("neither") << false << false << 0 << QList<int>{1, 2, 3};
    QTest::addRow("Aktive") << true << false << 1 << QList<int>{1, 3};
    QTest::addRow("Inaktive") << false << true << 2 << QList<int>{2};
    QTest::addRow("both") << true << true << 3 << QList<int>{1, 2, 3};
}

void TestSiteRecords::filterModeShowsItsSites()
{
    QFETCH(bool, active);
    QFETCH(bool, inactive);
    QFETCH(int, mode);
    QFETCH(QList<int>, shown);
    SiteFixture data;
    data.addSite(1, 1, "A", true);
    data.addSite(2, 2, "B", false);
    data.addSite(3, 3, "C", QVariant());
    QCOMPARE(siteFilterMode(active, inactive), mode);
    const tekvora::db::SqlFilter filter = siteFilter(mode);
    QCOMPARE(data.column("SELECT O_Nr FROM Objekte" + (filter.isEmpty() ? QString() : " WHERE " + filter.where) +
                             " ORDER BY O_Nr",
                         filter.values),
             shown);
}

void TestSiteRecords::newActivityDefaults()
{
    SiteFixture data;
    data.addActivityRow(7, 1, 5);
    const QDate today(2026, 12, 11);
    const QVariantMap values = newSiteActivityValues(3, 4711, today, data.store.database());
    QCOMPARE(values.value("TS_ID").toInt(), 8);
    QCOMPARE(values.value("TS_ObjID").toInt(), 3);
    QCOMPARE(values.value("TS_Objekt").toInt(), 4711);
    QCOMPARE(values.value("TS_Modus").toInt(), 1);
    QCOMPARE(values.value("TS_StartDatum").toDate(), today);
    QCOMPARE(values.value("TS_AktuellBis").toDate(), today);
    QCOMPARE(values.value("TS_Param").toString(), QString());
    for (const char *zero : {"TS_Taetigkeit", "TS_OldTaetigNr", "TS_TeamNr", "TS_OldTeamNr", "TS_Func", "TS_Menge",
                             "TS_Dauer", "TS_EkPreis", "TS_VkPreis"}) {
        QVERIFY2(values.contains(zero), zero);
        QCOMPARE(values.value(zero).toDouble(), 0.0);
    }
}

void TestSiteRecords::copyAppendsTheSourceRows()
{
    SiteFixture data;
    data.addSite(1, 10, "Quelle");
    data.addSite(2, 20, "Ziel");
    data.addActivityRow(1, 1, 5, 3, "2026-01-05");
    data.addActivityRow(2, 1, 6, QVariant(), "2026-02-07");
    data.addActivityRow(3, 2, 7);
    data.exec("UPDATE OTaetNeu SET TS_EkPreis = 9.5, TS_TeamNr = 4, TS_Abschnitt = 'Keller' WHERE TS_ObjID = 1");

    const CopyResult copy = copySiteActivities(1, 2, 20, QDate(2026, 12, 11), data.store.database());
    QVERIFY2(copy.result.ok, qPrintable(copy.result.error));
    QCOMPARE(copy.copied, 2);
    QSqlQuery rows =
        data.exec("SELECT TS_ID, TS_ObjID, TS_Objekt, TS_Taetigkeit, TS_StartDatum, TS_Modus, TS_Wtag, TS_Dauer, "
                  "TS_AktuellBis, TS_EkPreis, TS_TeamNr, TS_Abschnitt FROM OTaetNeu WHERE TS_ObjID = 2 ORDER BY TS_ID");
    QVERIFY(rows.next());
    QCOMPARE(rows.value(0).toInt(), 3); // the target's own row stays
    for (const auto &[id, activity, start, modus] :
         {std::tuple{4, 5, "2026-01-05", 3}, std::tuple{5, 6, "2026-02-07", 1}}) {
        QVERIFY(rows.next());
        QCOMPARE(rows.value(0).toInt(), id);
        QCOMPARE(rows.value(1).toInt(), 2);
        QCOMPARE(rows.value(2).toInt(), 20);
        QCOMPARE(rows.value(3).toInt(), activity);
        QCOMPARE(rows.value(4).toString(), QString(start));
        QCOMPARE(rows.value(5).toInt(), modus);
        QCOMPARE(rows.value(6).toString(), QString("1010100"));
        QCOMPARE(rows.value(7).toDouble(), 12.5);
        QCOMPARE(rows.value(8).toString(), QString("2026-12-11"));
        QCOMPARE(rows.value(9).toDouble(), 0.0); // defaults, not the source's values
        QCOMPARE(rows.value(10).toInt(), 0);
        QVERIFY(rows.value(11).isNull());
    }
    QVERIFY(!rows.next());
    QCOMPARE(data.count("SELECT COUNT(*) FROM OTaetNeu WHERE TS_ObjID = 1"), 2);
}

void TestSiteRecords::copyIsAllOrNothing()
{
    SiteFixture data;
    data.addActivityRow(1, 1, 5);
    data.addActivityRow(2, 1, 6);
    data.exec("CREATE TRIGGER refuse BEFORE INSERT ON OTaetNeu WHEN NEW.TS_Taetigkeit = 6 "
              "BEGIN SELECT RAISE(ABORT, 'gesperrt'); END");
    const CopyResult copy = copySiteActivities(1, 2, 20, QDate(2026, 12, 11), data.store.database());
    QVERIFY(!copy.result.ok);
    QCOMPARE(data.count("SELECT COUNT(*) FROM OTaetNeu"), 2);
}

void TestSiteRecords::allSitesSelectedOnAndOff()
{
    SiteFixture data;
    data.addSite(1, 10, "A");
    data.addSite(2, 20, "B");
    data.exec("UPDATE Objekte SET O_Selected = NULL WHERE O_ID = 2");
    QVERIFY(setAllSitesSelected(true, data.store.database()).ok);
    QCOMPARE(data.count("SELECT COUNT(*) FROM Objekte WHERE O_Selected = 1"), 2);
    QVERIFY(setAllSitesSelected(false, data.store.database()).ok);
    QCOMPARE(data.count("SELECT COUNT(*) FROM Objekte WHERE O_Selected = 0"), 2);
}

void TestSiteRecords::longTextOfTheActivity()
{
    SiteFixture data;
    data.addActivity(1, 5, "Fenster", "Alle Fenster putzen");
    QCOMPARE(activityLongText(5, data.store.database()), QString("Alle Fenster putzen"));
    QCOMPARE(activityLongText(6, data.store.database()), QString());
}

QTEST_GUILESS_MAIN(TestSiteRecords)
#include "TestSiteRecords.moc"
