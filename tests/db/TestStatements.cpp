// The program's own statements and filters, run through the translator on the real schema.
#include "db/SqlHelpers.h"
#include "db/TableCreation.h"
#include "db/TableCursor.h"
#include "support/TempDatabase.h"

#include <QSqlError>
#include <QTest>

using namespace tekvora::db;

class TestStatements : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void statements_data();
    void statements();
    void filters_data();
    void filters();
    void aggregateColumnNames();
    void malformedStatementChangesNothing();

private:
    std::unique_ptr<tekvora::test::TempDatabase> m_store;
};

void TestStatements::init()
{
    m_store = std::make_unique<tekvora::test::TempDatabase>();
    QVERIFY(createFtpDefTable().ok);
    const char *rows[] = {
        "insert into Objekte (O_ID, O_Nr, O_Match, O_Selected, O_Aktiv) values (1, 4711, 'Rathaus', 0, 1), "
        "(2, 4712, 'Bahnhof', 1, 0)",
        "insert into Personal (P_ID, P_Nr, P_Name1, P_Match, P_Aktiv, P_OptTourplan) values "
        "(1, 12, 'Meier', 'MEI', 1, 1), (2, 13, 'Schulz', 'SCHU', 0, 1), (3, 14, 'Wolf', 'WO', 1, 0)",
        "insert into Taetig (T_ID, T_Nr, T_Match, T_Druckabschnitt, T_TextTour) values (1, 305, 'Fenster', 1, "
        "'{\\rtf1 Fenster}'), (2, 306, 'Boden', 0, null)",
        "insert into OTaetNeu (TS_ID, TS_ObjID, TS_Objekt, TS_Taetigkeit) values (1, 1, 4711, 305), "
        "(2, 1, 4711, 306), (3, 2, 4712, 305)",
        "insert into Scandev (SV_ID, SV_ScannerID, SV_Pers) values (1, 4711000, 12)",
        "insert into Scanimp (SC_ID, SC_Seq, SC_TourType, SC_State) values (1, 1, 9, 1), (2, 1, 9, 3), "
        "(3, 2, 9, 2), (4, 2, 0, 1)",
        "insert into MdeObj (SC_ID, SC_Seq, SC_TourID, SC_ObjNr, SC_ObjBez, SC_TourDate, SC_StartTime, SC_Dauer, "
        "SC_DauerPers, SC_DauerJob) values "
        "(1, 0, 0, 4711, 'Rathaus', '2024-01-05 00:00:00', '2024-01-05 08:00:00', 1.5, 3.0, 2.0), "
        "(2, 0, 0, 4711, 'Rathaus', '2024-01-06 00:00:00', '2024-01-06 23:30:00', 0.0, 0.0, 0.0), "
        "(3, 0, 0, 4712, 'Bahnhof', '2024-02-01 00:00:00', '2024-02-01 10:00:00', 2.0, 2.0, 1.0)",
        "insert into MdePJ (SC_ID, SC_Seq, SC_TourID, SC_Ref, SC_ObjNr, SC_ObjBez, SC_PersNr, SC_Persname, "
        "SC_TaetigNr, SC_TaetigText, SC_TourDate, SC_StartPers, SC_DauerPers, SC_StartJob, SC_DauerJob) values "
        "(1, 1, 0, 1, 4711, 'Rathaus', 13, 'Schulz', 305, 'Fenster', '2024-01-05 00:00:00', "
        "'2024-01-05 08:00:00', 1.5, '2024-01-05 08:10:00', 1.0), "
        "(2, 0, 0, 1, 4711, 'Rathaus', 12, 'Meier', 306, 'Boden', '2024-01-05 00:00:00', "
        "'2024-01-05 08:05:00', 1.5, '2024-01-05 08:05:00', 1.0), "
        "(3, 1, 0, 3, 4712, 'Bahnhof', 12, 'Meier', 305, 'Fenster', '2024-02-01 00:00:00', "
        "'2024-02-01 10:00:00', 2.0, '2024-02-01 10:00:00', 1.0), "
        "(4, 0, 0, 2, 4711, 'Rathaus', 12, 'Meier', 306, 'Boden', '2024-01-06 00:00:00', "
        "'2024-01-06 23:30:00', 0.0, '2024-01-06 23:30:00', 0.0)",
        "insert into FtpDef (Ftp_ID, Ftp_Description) values (1, 'Zentrale')",
    };
    for (const char *row : rows)
        QVERIFY2(execute(row).ok, row);
}

void TestStatements::cleanup()
{
    m_store.reset();
}

namespace {

/// The rows of a query as "a,b|c,d", each row cut to the given number of columns.
QString rowsOf(const QString &sql, int columns, QString *error)
{
    QSqlQuery query = openQuery(sql, database(), error);
    QStringList rows;
    while (query.next()) {
        QStringList fields;
        for (int i = 0; i < columns; ++i)
            fields << query.value(i).toString();
        rows << fields.join(u',');
    }
    return rows.join(u'|');
}

} // namespace

void TestStatements::statements_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("check"); // empty: the statement is the query
    QTest::addColumn<QString>("expected");

    // Scanner register.
    QTest::addRow("scanner person") << "Select SV_Pers from Scandev where SV_ScannerID=4711000" << "" << "12";
    QTest::addRow("scanner key") << "Select SV_ID from Scandev where SV_ScannerID=4711000" << "" << "1";
    QTest::addRow("last read") << "Update Scandev set SV_Zuletztgelesen='05.01.2024 10:30'\nwhere SV_ScannerID=4711000"
                               << "select SV_Zuletztgelesen from Scandev" << "2024-01-05 10:30:00";
    QTest::addRow("last scan line") << "Update Scandev set SV_LetzterScan='05.01.2024;10:11:12;ON4711'\n"
                                       "where SV_ScannerID=4711000"
                                    << "select SV_LetzterScan from Scandev" << "05.01.2024;10:11:12;ON4711";
    QTest::addRow("live register") << "select * from Scandev" << "" << "1";

    // Raw scans.
    QTest::addRow("raw maximum") << "Select max(SC_ID)as MaxID, Max(SC_Seq) as MaxSeq from Scanimp.db" << "" << "4,2";
    QTest::addRow("raw insert") << "Insert into Scanimp.db (SC_ID,SC_Seq) Values(5,3)"
                                << "select SC_ID, SC_Seq from Scanimp where SC_ID=5" << "5,3";
    QTest::addRow("raw update")
        << "Update Scanimp.db Set\nSC_EntryType=1,\nSC_TourID=0,\nSC_TourNr=0,\nSC_ObjID=1,\nSC_ObjNr=4711,\n"
           "SC_PersNr=12,\nSC_JobID=0,\nSC_TaetigID=0,\nSC_TaetigNr=0,\nSC_TourType=9,\n"
           "SC_TourDate='05.01.2024',\nSC_StartTime='05.01.2024 08:00',\nSC_EndTime='05.01.2024 09:30',\n"
           "SC_Dauer=1.5000000000,\nSC_Calcmode=0\n,SC_ScannerID=4711000\nWhere SC_ID=4"
        << "select SC_TourDate, SC_StartTime, SC_EndTime, SC_Dauer, SC_ObjNr from Scanimp where SC_ID=4"
        << "2024-01-05 00:00:00,2024-01-05 08:00:00,2024-01-05 09:30:00,1.5,4711";
    QTest::addRow("raw to post") << "Select * from ScanImp where SC_TourType=9" << "" << "1|2|3";
    QTest::addRow("raw posted") << "Delete from ScanImp where (SC_TourType=9) AND ((SC_State=1) OR (SC_State=3))"
                                << "select SC_ID from Scanimp order by SC_ID" << "3|4";
    QTest::addRow("raw all") << "Delete from ScanImp" << "select count(*) from Scanimp" << "0";

    // Posting.
    QTest::addRow("visit maximum") << "Select max(SC_ID)as MaxID, Max(SC_Seq) as MaxSeq from MdeObj" << "" << "3,0";
    QTest::addRow("person maximum") << "Select max(SC_ID)as MaxID from MdePJ" << "" << "4";

    // Statistics views for January 2024.
    QTest::addRow("sites") << "Select * from MdeObj\nwhere (SC_StartTime>='01.01.2024') AND(SC_StartTime<'01.02.2024')\n"
                              "order by SC_ObjNr, SC_StartTime"
                           << "" << "1|2";
    QTest::addRow("site persons") << "Select * from MdePJ \nwhere (SC_Ref=1)\norder by SC_PersNr,SC_StartPers" << ""
                                  << "2|1";
    QTest::addRow("persons") << "Select * from MdePJ\nwhere (SC_StartPers>='01.01.2024') AND(SC_StartPers<'01.02.2024')\n"
                                "order by SC_PersNr,SC_StartPers"
                             << "" << "2|4|1";
    QTest::addRow("activities") << "Select * from MdePJ\nwhere (SC_StartJob>='05.01.2024') AND(SC_StartJob<'06.01.2024')\n"
                                   "order by SC_TaetigNr,SC_StartJob"
                                << "" << "1|2";
    QTest::addRow("accumulated") << "Select SC_ObjNr,SC_ObjBez,Sum(SC_Dauer), Sum(SC_DauerPers),Sum(SC_DauerJob) "
                                    "from MdeObj\nwhere (SC_StartTime>='01.01.2024') AND(SC_StartTime<'01.03.2024')\n"
                                    "Group By SC_ObjNr,SC_ObjBez\norder by SC_ObjNr"
                                 << "" << "4711,Rathaus,1.5,3,2|4712,Bahnhof,2,2,1";
    QTest::addRow("unfiltered view") << "Select * from MdeObj\nWhere (SC_TourID=0)\norder by SC_ObjNr, SC_StartTime"
                                     << "" << "1|2|3";

    // Emptying and hand corrections.
    QTest::addRow("empty persons") << "Delete from MdePJ" << "select count(*) from MdePJ" << "0";
    QTest::addRow("empty visits") << "Delete from MdeObj" << "select count(*) from MdeObj" << "0";
    QTest::addRow("empty tours") << "Delete from MdeTour" << "select count(*) from MdeTour" << "0";
    QTest::addRow("persons of a visit") << "Delete From MdePJ where SC_Ref=1" << "select SC_ID from MdePJ order by SC_ID" << "3|4";
    QTest::addRow("empty visits of the period")
        << "Delete from MdeObj where (SC_StartTime>='01.01.2024') AND (SC_StartTime<'07.01.2024') AND (SC_Dauer=0.0)"
        << "select SC_ID from MdeObj order by SC_ID" << "1|3";
    QTest::addRow("empty person records of the period")
        << "Delete from MdePJ where (SC_StartPers>='01.01.2024') AND (SC_StartPers<'07.01.2024') AND "
           "(SC_DauerPers=0.0) AND (SC_DauerJob=0.0)"
        << "select SC_ID from MdePJ order by SC_ID" << "1|2|3";

    // Marking for the reports.
    QTest::addRow("clear marks") << "Update MdePJ set SC_Seq=0" << "select count(*) from MdePJ where SC_Seq=1" << "0";
    QTest::addRow("mark a site's period")
        << "Update MdeObj set SC_Seq=1 where (SC_ObjNr=4711) AND(SC_Tourdate>='05.01.2024') AND "
           "(SC_Tourdate<='06.01.2024')"
        << "select SC_ID from MdeObj where SC_Seq=1 order by SC_ID" << "1|2";
    QTest::addRow("marked visits") << "Select * from MdePJ where SC_Seq=1 order by SC_PersNr, SC_StartPers" << ""
                                   << "3|1";
    QTest::addRow("marked activities by date")
        << "Select * from MdePJ where SC_Seq=1 order by SC_StartJob,SC_TaetigNr" << "" << "1|3";
    QTest::addRow("staff times")
        << "Select * from MdePJ where (SC_PersNr=12) AND (SC_Tourdate>='01.01.2024') AND (SC_Tourdate<='05.01.2024') "
           "order by SC_PersNr, SC_StartPers"
        << "" << "2";
    QTest::addRow("marked sums") << "Select SC_ObjNr,SC_ObjBez,Sum(SC_Dauer),Sum(SC_DauerPers),Sum(SC_DauerJob) from "
                                    "MdeObj where SC_Seq=0 Group By SC_ObjNr,SC_ObjBez order by SC_ObjNr"
                                 << "" << "4711,Rathaus,1.5|4712,Bahnhof,2";
    QTest::addRow("staff of the day") << "Select distinct SC_PersNr, SC_PersName from MdePJ\n"
                                         "Where SC_TourDate='05.01.2024'\nOrder by SC_PersNr"
                                      << "" << "12,Meier|13,Schulz";
    QTest::addRow("day list")
        << "Select P.SC_PersNr,P.SC_PersName, P.SC_StartPers,P.SC_DauerPers,P.SC_TaetigNr, P.SC_ObjNr,"
           "P.SC_TaetigText,P.SC_TourDate,\nO.SC_Dauer, P.SC_ObjBez from MdePJ P\nJoin MdeObj O on P.SC_Ref=O.SC_ID\n"
           "where SC_PersNr=12 AND SC_TourDate='05.01.2024'\norder by P.SC_StartPers"
        << "" << "12,Meier,2024-01-05 08:05:00,1.5,306,4711,Boden,2024-01-05 00:00:00,1.5,Rathaus";

    // Master data.
    QTest::addRow("all sites selected") << "Update Objekte set O_Selected ='true'"
                                        << "select count(*) from Objekte where O_Selected=1" << "2";
    QTest::addRow("no site selected") << "Update Objekte set O_Selected = 'false'"
                                      << "select count(*) from Objekte where O_Selected=0" << "2";
    QTest::addRow("site activities away") << "delete from OTaetNeu where TS_ObjID=1" << "select TS_ID from OTaetNeu"
                                          << "3";
    QTest::addRow("copy activities") << "Select * from OTaetNeu where TS_ObjID=1" << "" << "1|2";
    QTest::addRow("all activities printed") << "Update Taetig set T_Druckabschnitt = 1"
                                            << "select count(*) from Taetig where T_Druckabschnitt=1" << "2";
    QTest::addRow("no activity printed") << "Update Taetig set T_Druckabschnitt = 0"
                                         << "select count(*) from Taetig where T_Druckabschnitt=0" << "2";
    QTest::addRow("ftp account") << "Select * from FtpDef.DB where Ftp_ID=1" << "" << "1,Zentrale";
    QTest::addRow("protected forms") << "select count(*) from QrFrmDef where Q_Protect='true'" << "" << "19";
    QTest::addRow("company minimum") << "Select F_MinNrTaetig from Firmen" << "" << "1";
    QTest::addRow("site minimum") << "Select F_MinNrObjekt from Firmen" << "" << "1";
    QTest::addRow("staff minimum") << "Select F_MinNrPersonal from Firmen" << "" << "1";

    // Look-ups by number.
    QTest::addRow("staff name") << "Select P_Name1 from Personal where P_Nr=13" << "" << "Schulz";
    QTest::addRow("staff term") << "Select P_Match from Personal where P_Nr=12" << "" << "MEI";
    QTest::addRow("staff key") << "Select P_ID from Personal where P_Nr=14" << "" << "3";
    QTest::addRow("activity name") << "Select T_Match from Taetig where T_Nr=305" << "" << "Fenster";
    QTest::addRow("activity key") << "Select T_ID from Taetig where T_Nr=306" << "" << "2";
    QTest::addRow("site name") << "Select O_Match from Objekte where O_Nr=4712" << "" << "Bahnhof";
    QTest::addRow("site key") << "Select O_ID from Objekte where O_Nr=4711" << "" << "1";
    QTest::addRow("activity text") << "Select T_TextTour from Taetig where T_Nr=305" << "" << "{\\rtf1 Fenster}";
}

void TestStatements::statements()
{
    QFETCH(QString, statement);
    QFETCH(QString, check);
    QFETCH(QString, expected);
    const int columns = int(expected.section(u'|', 0, 0).count(u',')) + 1;
    QString error;
    if (check.isEmpty()) {
        QCOMPARE(rowsOf(statement, columns, &error), expected);
    } else {
        const DbResult result = execute(statement);
        QVERIFY2(result.ok, qPrintable(result.error));
        QCOMPARE(rowsOf(check, columns, &error), expected);
    }
    QVERIFY2(error.isEmpty(), qPrintable(error));
}

void TestStatements::filters_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<int>("count");
    QTest::addRow("active staff") << "Personal.DB" << "P_Aktiv='true'" << 2;
    QTest::addRow("scanner staff") << "Personal.DB" << "P_Aktiv='true' AND P_OptTourplan='true'" << 1;
    QTest::addRow("user forms") << "QrFrmDef.DB" << "Q_Protect=0" << 0;
    QTest::addRow("printed activities") << "Taetig.DB" << "T_Druckabschnitt<>0" << 1;
    QTest::addRow("raw to post") << "Scanimp.DB" << "SC_TourType=9" << 3;
    QTest::addRow("selected sites") << "Objekte.DB" << "O_Selected='true'" << 1;
    QTest::addRow("active sites") << "Objekte.DB" << "O_Aktiv='True'" << 1;
    QTest::addRow("activities of a site") << "OTaetNeu.DB" << "TS_Objekt=4711" << 2;
    QTest::addRow("period") << "MdeObj.DB" << "(SC_StartTime>='05.01.2024') AND (SC_StartTime<='06.01.2024')" << 2;
}

void TestStatements::filters()
{
    QFETCH(QString, table);
    QFETCH(QString, filter);
    QFETCH(int, count);
    TableCursor cursor(table);
    QVERIFY(cursor.setFilter(filter));
    QVERIFY2(cursor.open(), qPrintable(cursor.lastError()));
    QCOMPARE(cursor.recordCount(), count);
}

void TestStatements::aggregateColumnNames()
{
    QString error;
    QSqlQuery query = openQuery("Select SC_ObjNr,SC_ObjBez,Sum(SC_Dauer),Sum(SC_DauerPers),Sum(SC_DauerJob) from MdeObj "
                                "where SC_Seq=0 Group By SC_ObjNr,SC_ObjBez order by SC_ObjNr",
                                database(), &error);
    QVERIFY2(query.next(), qPrintable(error));
    QCOMPARE(query.record().fieldName(2), QStringLiteral("SUM OF SC_Dauer"));
    QCOMPARE(query.record().fieldName(3), QStringLiteral("SUM OF SC_DauerPers"));
    QCOMPARE(query.record().fieldName(4), QStringLiteral("SUM OF SC_DauerJob"));
    QCOMPARE(query.record().value("SUM OF SC_Dauer").toDouble(), 1.5);
}

void TestStatements::malformedStatementChangesNothing()
{
    const DbResult result = execute("Update Objekte set O_Match='x' wher O_Nr=4711");
    QVERIFY(!result.ok);
    QVERIFY(result.error.contains("syntax error"));
    QCOMPARE(executeStatement("Delete from Objekte where"), -1);
    QCOMPARE(executeStatement("Delete from Gibtsnicht"), -1);
    QString error;
    QCOMPARE(lookupInt("select count(*) as n from Objekte where O_Match='Rathaus'", "n", -1, &error), 1);
    QVERIFY(error.isEmpty());
    QCOMPARE(lookupInt("select count(*) from Objekte where", "n", -1, &error), -1);
    QVERIFY(!error.isEmpty());
}

QTEST_GUILESS_MAIN(TestStatements)
#include "TestStatements.moc"
