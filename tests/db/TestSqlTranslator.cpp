#include "db/SqlTranslator.h"

#include <QTest>

using tekvora::db::translateSql;

class TestSqlTranslator : public QObject
{
    Q_OBJECT

private slots:
    void translates_data();
    void translates();
};

void TestSqlTranslator::translates_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("expected");

    // Table names.
    QTest::addRow("db ending") << "Select * from FtpDef.DB where Ftp_ID=3" << "Select * from FtpDef where Ftp_ID=3";
    QTest::addRow("lower case ending") << "Insert into Scanimp.db (SC_ID,SC_Seq) Values(1,2)"
                                       << "Insert into Scanimp (SC_ID,SC_Seq) Values(1,2)";
    QTest::addRow("any case") << "select * from qrfrmdef" << "select * from QrFrmDef";
    QTest::addRow("quoted with ending") << "select * from \"Personal.db\"" << "select * from \"Personal\"";
    QTest::addRow("update") << "Update Scanimp.db Set SC_Seq=0" << "Update Scanimp Set SC_Seq=0";
    QTest::addRow("from list") << "select * from Objekte.db O, Taetig.DB T"
                               << "select * from Objekte O, Taetig T";
    QTest::addRow("join") << "Select P.SC_ID from MdePJ.db P Join MdeObj.DB O on P.SC_Ref=O.SC_ID"
                          << "Select P.SC_ID from MdePJ P Join MdeObj O on P.SC_Ref=O.SC_ID";
    QTest::addRow("label list") << "delete from tmppr003.db" << "delete from Tmppr003";
    QTest::addRow("unknown table keeps its name") << "select * from Temp.DB" << "select * from Temp";

    // Booleans.
    QTest::addRow("true") << "P_Aktiv='true'" << "P_Aktiv=1";
    QTest::addRow("True and false") << "P_Aktiv='True' AND P_OptTourplan='false'" << "P_Aktiv=1 AND P_OptTourplan=0";
    QTest::addRow("numeric flag stays") << "Q_Protect=0" << "Q_Protect=0";
    QTest::addRow("set flag") << "Update Objekte set O_Selected ='true'" << "Update Objekte set O_Selected =1";
    QTest::addRow("set flag false") << "Update Objekte set O_Selected = 'false'" << "Update Objekte set O_Selected = 0";
    QTest::addRow("true in text field stays") << "O_Name1='true'" << "O_Name1='true'";

    // Dates against date-time fields: a date means the whole day.
    QTest::addRow("day equal") << "Where SC_TourDate='05.01.2024'"
                               << "Where (SC_TourDate >= '2024-01-05' AND SC_TourDate < '2024-01-06')";
    QTest::addRow("qualified day") << "where P.SC_TourDate='31.12.2023'"
                                   << "where (P.SC_TourDate >= '2023-12-31' AND P.SC_TourDate < '2024-01-01')";
    QTest::addRow("period") << "where (SC_StartTime>='01.03.2024') AND(SC_StartTime<'01.04.2024')"
                            << "where (SC_StartTime >= '2024-03-01') AND(SC_StartTime < '2024-04-01')";
    QTest::addRow("up to and including") << "(SC_Tourdate<='31.03.2024')" << "(SC_Tourdate < '2024-04-01')";
    QTest::addRow("after the day") << "SC_StartTime>'31.03.2024'" << "SC_StartTime >= '2024-04-01'";
    QTest::addRow("not that day") << "SC_TourDate<>'05.01.2024'"
                                  << "(SC_TourDate < '2024-01-05' OR SC_TourDate >= '2024-01-06')";
    QTest::addRow("literal first") << "'05.01.2024'<=SC_StartTime" << "SC_StartTime >= '2024-01-05'";
    QTest::addRow("between days")
        << "SC_StartJob between '01.01.2024' and '31.01.2024'"
        << "(SC_StartJob >= '2024-01-01' AND SC_StartJob < '2024-02-01')";
    QTest::addRow("date-time literal") << "SC_StartTime>='05.01.2024 14:30'" << "SC_StartTime>='2024-01-05 14:30:00'";
    QTest::addRow("set date-time") << "Update Scandev set SV_Zuletztgelesen='05.01.2024 07:05' where SV_ScannerID=7"
                                   << "Update Scandev set SV_Zuletztgelesen='2024-01-05 07:05:00' where SV_ScannerID=7";
    QTest::addRow("set date into date-time")
        << "Update Scanimp Set SC_TourDate='05.01.2024', SC_StartTime='05.01.2024 08:00' Where SC_ID=1"
        << "Update Scanimp Set SC_TourDate='2024-01-05 00:00:00', SC_StartTime='2024-01-05 08:00:00' Where SC_ID=1";
    QTest::addRow("date field") << "TS_StartDatum>='5.1.2024'" << "TS_StartDatum>='2024-01-05'";
    QTest::addRow("insert values")
        << "Insert into Scandev (SV_ID,SV_ScannerID,SV_ErhaltenAm,SV_Bindung,SV_Name) "
           "values (1,4711,'01.02.2024','true','01.02.2024')"
        << "Insert into Scandev (SV_ID,SV_ScannerID,SV_ErhaltenAm,SV_Bindung,SV_Name) "
           "values (1,4711,'2024-02-01',1,'01.02.2024')";
    QTest::addRow("join takes a shared field from the first table")
        << "Select P.SC_PersNr from MdePJ P\nJoin MdeObj O on P.SC_Ref=O.SC_ID\nwhere SC_PersNr=12 AND SC_TourDate='05.01.2024'"
        << "Select P.SC_PersNr from MdePJ P\nJoin MdeObj O on P.SC_Ref=O.SC_ID\nwhere SC_PersNr=12 AND "
           "(P.SC_TourDate >= '2024-01-05' AND P.SC_TourDate < '2024-01-06')";
    QTest::addRow("parameters stay") << "Select * from MdePJ where (SC_Ref=:SC_ID)"
                                     << "Select * from MdePJ where (SC_Ref=:SC_ID)";
    QTest::addRow("insert rows")
        << "insert into Objekte (O_ID, O_Aktiv) values (1, 'true'), (2, 'false')"
        << "insert into Objekte (O_ID, O_Aktiv) values (1, 1), (2, 0)";
    QTest::addRow("invalid date stays") << "SC_TourDate='31.02.2024'" << "SC_TourDate='31.02.2024'";

    // Untouched literals.
    QTest::addRow("db in text") << "Update Scandev set SV_LetzterScan='a.db from x.DB' where SV_ScannerID=1"
                                << "Update Scandev set SV_LetzterScan='a.db from x.DB' where SV_ScannerID=1";
    QTest::addRow("quotes and dashes") << "O_Name1='O''Neill -- 05.01.2024 true'"
                                       << "O_Name1='O''Neill -- 05.01.2024 true'";
    QTest::addRow("date inside longer text")
        << "Update Scandev set SV_LetzterScan='05.01.2024 10:11:12 ON4711' where SV_ScannerID=1"
        << "Update Scandev set SV_LetzterScan='05.01.2024 10:11:12 ON4711' where SV_ScannerID=1";

    // Aggregate names.
    QTest::addRow("sum names")
        << "Select SC_ObjNr,SC_ObjBez,Sum(SC_Dauer), Sum(SC_DauerPers) from MdeObj Group By SC_ObjNr,SC_ObjBez"
        << "Select SC_ObjNr,SC_ObjBez,Sum(SC_Dauer) AS \"SUM OF SC_Dauer\", Sum(SC_DauerPers) AS \"SUM OF "
           "SC_DauerPers\" from MdeObj Group By SC_ObjNr,SC_ObjBez";
    QTest::addRow("named aggregates stay") << "Select max(SC_ID)as MaxID, Max(SC_Seq) as MaxSeq from Scanimp.db"
                                           << "Select max(SC_ID)as MaxID, Max(SC_Seq) as MaxSeq from Scanimp";
    QTest::addRow("count star") << "select count(*) from Objekte" << "select count(*) AS \"COUNT OF *\" from Objekte";
    QTest::addRow("aggregate in expression stays") << "select Sum(SC_Dauer)*2 from MdeObj"
                                                   << "select Sum(SC_Dauer)*2 from MdeObj";
}

void TestSqlTranslator::translates()
{
    QFETCH(QString, sql);
    QFETCH(QString, expected);
    QCOMPARE(translateSql(sql), expected);
}

QTEST_GUILESS_MAIN(TestSqlTranslator)
#include "TestSqlTranslator.moc"
