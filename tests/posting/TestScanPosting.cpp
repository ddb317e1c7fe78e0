#include "PostingFixture.h"
#include "ScanTestSupport.h"
#include "support/RecordingProgress.h"

#include "posting/ScanCheck.h"
#include "posting/ScanPosting.h"
#include "posting/ScanRunStore.h"

using namespace tekvora::posting;
using tekvora::test::PostingStore;
using tekvora::test::RecordingProgress;
using tekvora::test::scanFileLines;
using tekvora::test::TableScannerRegister;

namespace {

const QString visitColumns = QStringLiteral(
    "SELECT SC_ID, SC_Seq, SC_EntryType, SC_ObjNr, SC_ObjBez, SC_StartTime, SC_EndTime, SC_Dauer, SC_DauerPers,"
    " SC_DauerJob, SC_CalcMode, SC_State, SC_Ref FROM MdeObj ORDER BY SC_ID");
const QString personColumns = QStringLiteral(
    "SELECT SC_ID, SC_EntryType, SC_ObjNr, SC_ObjBez, SC_PersNr, SC_Persname, SC_TaetigNr, SC_TaetigText,"
    " substr(SC_StartPers, 12, 5), substr(SC_EndPers, 12, 5), SC_DauerPers, substr(SC_StartJob, 12, 5),"
    " substr(SC_EndJob, 12, 5), SC_DauerJob, SC_Ref FROM MdePJ ORDER BY SC_ID");

} // namespace

class TestScanPosting : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void checkMarksRecords_data();
    void checkMarksRecords();
    void postsVisitsPersonsAndActivities();
    void postsSpecialActivitiesAndPassesOverStrangers();
    void secondRunUpdatesRecordsLeftInStateTwo();
    void failedRunKeepsNothing();
    void emptyRunDeletesNothing();

private:
    void saveRun(const QStringList &scans, int scannerId = 4712);
    void setStates(int state);

    std::unique_ptr<PostingStore> m_store;
};

void TestScanPosting::init()
{
    m_store = std::make_unique<PostingStore>();
    m_store->exec(QStringLiteral("INSERT INTO Objekte VALUES (1, 100, 'Rathaus'), (2, 200, 'Schule'), (0, 300, 'Null')"));
    m_store->exec(QStringLiteral("INSERT INTO Personal VALUES (1, 5, 'Meier'), (2, 6, 'Schulz')"));
    m_store->exec(QStringLiteral("INSERT INTO Taetig VALUES (1, 7, 'Fenster'), (2, 8, 'Boden')"));
}

void TestScanPosting::cleanup()
{
    m_store.reset();
}

void TestScanPosting::saveRun(const QStringList &scans, int scannerId)
{
    TableScannerRegister scanners;
    scanners.rows.insert(4711, {false, 0, {}});
    scanners.rows.insert(4712, {true, 5, {}});
    const Interpretation run = interpretScanLines(scanFileLines(scans), ScanStandards{}, scanners);
    QVERIFY(saveScanRun(m_store->db, run.records, scannerId, run.lastProcessedLine).ok());
}

void TestScanPosting::setStates(int state)
{
    m_store->exec(QStringLiteral("UPDATE Scanimp SET SC_State = %1").arg(state));
}

void TestScanPosting::checkMarksRecords_data()
{
    QTest::addColumn<int>("entryType");
    QTest::addColumn<int>("objNr");
    QTest::addColumn<int>("persNr");
    QTest::addColumn<int>("taetigNr");
    QTest::addColumn<int>("state");

    QTest::addRow("known site") << 1 << 100 << 0 << 0 << 1;
    QTest::addRow("unknown site") << 1 << 101 << 0 << 0 << 2;
    QTest::addRow("site whose id is 0") << 1 << 300 << 0 << 0 << 2;
    QTest::addRow("known person, unknown site") << 3 << 999 << 5 << 0 << 1;
    QTest::addRow("unknown person") << 3 << 100 << 9999 << 0 << 2;
    QTest::addRow("known activity") << 2 << 100 << 9999 << 7 << 1;
    QTest::addRow("person leaves") << 2 << 100 << 5 << -2001 << 2;
    QTest::addRow("site change") << 2 << 100 << 5 << -2002 << 2;
    QTest::addRow("entry type 0") << 0 << 100 << 5 << 7 << 2;
}

void TestScanPosting::checkMarksRecords()
{
    QFETCH(int, entryType);
    QFETCH(int, objNr);
    QFETCH(int, persNr);
    QFETCH(int, taetigNr);
    QFETCH(int, state);
    m_store->exec(QStringLiteral("INSERT INTO Scanimp (SC_ID, SC_EntryType, SC_ObjNr, SC_PersNr, SC_TaetigNr,"
                                 " SC_TourType, SC_State) VALUES (1, %1, %2, %3, %4, 9, 0), (2, 1, 100, 0, 0, 5, 0)")
                      .arg(entryType)
                      .arg(objNr)
                      .arg(persNr)
                      .arg(taetigNr));
    RecordingProgress progress;
    const ScanCheckResult result = checkRawScanRecords(m_store->db, progress);
    QVERIFY(result.error.isEmpty());
    QCOMPARE(result.checked, 1);
    QCOMPARE(progress.maximum, 1);
    QCOMPARE(progress.value, 1);
    // Records of a tour plan are not looked at.
    QCOMPARE(m_store->rows("SELECT SC_State FROM Scanimp ORDER BY SC_ID"),
             (QStringList{QString::number(state), "0"}));
}

void TestScanPosting::postsVisitsPersonsAndActivities()
{
    m_store->exec(QStringLiteral("INSERT INTO MdeObj (SC_ID) VALUES (10)"));
    m_store->exec(QStringLiteral("INSERT INTO MdePJ (SC_ID) VALUES (20)"));
    // Bound scanner (person 5): a visit with an activity, a change of site, then the same site
    // twice in a row and a visit nobody attends.
    saveRun({"SC_ID:00004712", "08:00 ON100", "08:05 TN7", "09:00 TN7", "09:30 ON200", "10:00 ON200",
             "10:30 MD1000", "11:00 MD1000"});
    RecordingProgress check;
    QVERIFY(checkRawScanRecords(m_store->db, check).error.isEmpty());
    RecordingProgress progress;
    const ScanPostingResult result = postRawScanRecords(m_store->db, progress);
    QVERIFY2(result.ok(), qPrintable(result.error));
        QCOMPARE(result.handled, 8);
    QCOMPARE(result.deleted, 7);
    QCOMPARE(progress.maximum, 8);
    QCOMPARE(progress.value, 8);

    // Visits and person records share one number space that continues after both tables.
    QCOMPARE(m_store->rows(visitColumns),
             (QStringList{
                 "10||||||||||||",
                 "21|0|1|100|Rathaus|2026-03-01 08:00:00|2026-03-01 09:30:00|1.5|1.5|0.9166666667|1|1|0",
                 "24|0|1|200|Schule|2026-03-01 09:30:00|2026-03-01 10:00:00|0.5|0.5|0|0|1|0",
                 "26|0|1|999999||2026-03-01 10:00:00|2026-03-01 10:30:00|0.5|0.5|0|1|2|0",
             }));
    QCOMPARE(m_store->rows(personColumns),
             (QStringList{
                 "20||||||||||||||",
                 "22|2|100|Rathaus|5|Meier|7|Fenster|08:00|09:00|1|08:05|09:00|0.9166666667|21",
                 "23|2|100|Rathaus|5|Meier|0|nicht erfasst|09:00|09:30|0.5|09:00|09:00|0|21",
                 "25|2|200|Schule|5|Meier|0|nicht erfasst|09:30|10:00|0.5|09:30|09:30|0|24",
                 "27|2|999999||5|Meier|0|nicht erfasst|10:00|10:30|0.5|10:00|10:00|0|26",
             }));
    // The standard-site visit is unknown ("**") and stays with its reference.
    QCOMPARE(m_store->rows("SELECT SC_ID, SC_EntryType, SC_State, SC_Ref FROM Scanimp ORDER BY SC_ID"),
             QStringList{"7|1|2|26"});
}

void TestScanPosting::postsSpecialActivitiesAndPassesOverStrangers()
{
    saveRun({"SC_ID:00004711", "08:00 ON100", "08:00 MA5", "12:00 TN-2001", "12:10 MA6", "12:20 TN-2002",
             "13:00 ON200", "14:30 ON200"},
            4711);
    // An activity record of person 6 right after a record of person 5 goes nowhere.
    m_store->exec(QStringLiteral("UPDATE Scanimp SET SC_PersNr = 5 WHERE SC_EntryType = 3 AND SC_PersNr = 6"
                                 " AND SC_ID = (SELECT max(SC_ID) FROM Scanimp WHERE SC_EntryType = 3)"));
    setStates(StateOk);
    RecordingProgress progress;
    QVERIFY(postRawScanRecords(m_store->db, progress).ok());
    QCOMPARE(m_store->rows("SELECT SC_PersNr, SC_TaetigNr, SC_TaetigText, substr(SC_StartPers, 12, 5),"
                           " substr(SC_EndPers, 12, 5), SC_DauerJob FROM MdePJ ORDER BY SC_ID"),
             (QStringList{"5|0|nicht erfasst|08:00|12:00|0", "5|-2001|Person geht|12:00|12:00|0",
                          "6|0|nicht erfasst|12:10|12:20|0", "5|0|nicht erfasst|12:20|12:20|0"}));
    // A visit nobody attended counts its own duration as person hours.
    QCOMPARE(m_store->rows("SELECT SC_ObjNr, SC_Dauer, round(SC_DauerPers, 6), SC_DauerJob FROM MdeObj ORDER BY SC_ID"),
             (QStringList{"100|5|4.166667|0", "200|1.5|1.5|0", "999999|0|0|0"}));
    QCOMPARE(m_store->rows("SELECT count(*) FROM Scanimp"), QStringList{"0"});
}

void TestScanPosting::secondRunUpdatesRecordsLeftInStateTwo()
{
    saveRun({"SC_ID:00004712", "08:00 ON101", "08:05 TN9", "09:00 TN9", "09:30 ON101"});
    RecordingProgress progress;
    QVERIFY(checkRawScanRecords(m_store->db, progress).error.isEmpty());
    QVERIFY(postRawScanRecords(m_store->db, progress).ok());
    // Site 101 and activity 9 are unknown: visit, activity and the standard-site visit stay.
    QCOMPARE(m_store->rows("SELECT SC_ID, SC_EntryType, SC_State, SC_Ref FROM Scanimp ORDER BY SC_ID"),
             (QStringList{"1|1|2|1", "3|2|2|2", "5|1|2|4"}));
    const QStringList firstVisits = m_store->rows(visitColumns);
    QCOMPARE(firstVisits.size(), 2);
    QCOMPARE(firstVisits[0], "1|0|1|101||2026-03-01 08:00:00|2026-03-01 09:30:00|1.5|1.5|0.9166666667|0|2|0");

    // The user corrects the site and the activity; the next posting updates the same records.
    m_store->exec(QStringLiteral("UPDATE Scanimp SET SC_ObjNr = 100 WHERE SC_ID = 1"));
    m_store->exec(QStringLiteral("UPDATE Scanimp SET SC_TaetigNr = 8 WHERE SC_ID = 3"));
    QVERIFY(checkRawScanRecords(m_store->db, progress).error.isEmpty());
    const ScanPostingResult second = postRawScanRecords(m_store->db, progress);
    QVERIFY(second.ok());
    QCOMPARE(second.handled, 3);
    QCOMPARE(m_store->rows(visitColumns),
             (QStringList{"1|0|1|100|Rathaus|2026-03-01 08:00:00|2026-03-01 09:30:00|1.5|1.5|0|0|1|0",
                          "4|0|1|999999||2026-03-01 09:30:00|2026-03-01 09:30:00|0|0|0|1|2|0"}));
    // The activity is merged into the person record saved last only when that belongs to the same
    // person; here the visit came between but the person record was not posted again, so the
    // activity goes nowhere and the earlier merge stays.
    QCOMPARE(m_store->rows("SELECT SC_ID, SC_TaetigNr, SC_TaetigText, SC_Ref FROM MdePJ ORDER BY SC_ID"),
             (QStringList{"2|9||1", "3|0|nicht erfasst|1", "5|0|nicht erfasst|4"}));
    QCOMPARE(m_store->rows("SELECT SC_ID, SC_State FROM Scanimp ORDER BY SC_ID"), (QStringList{"5|2"}));
}

void TestScanPosting::failedRunKeepsNothing()
{
    saveRun({"SC_ID:00004712", "08:00 ON100", "09:00 ON200", "10:00 ON200"});
    setStates(StateOk);
    m_store->exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON MdePJ WHEN NEW.SC_ObjNr = 200"
                                 " BEGIN SELECT RAISE(ABORT, 'kaputt'); END"));
    RecordingProgress progress;
    const ScanPostingResult result = postRawScanRecords(m_store->db, progress);
    QCOMPARE(result.error, QStringLiteral("Fehler beim Verschieben der Daten!"));
    QCOMPARE(m_store->rows("SELECT count(*) FROM MdeObj"), QStringList{"0"});
    QCOMPARE(m_store->rows("SELECT count(*) FROM MdePJ"), QStringList{"0"});
    QCOMPARE(m_store->rows("SELECT count(*) FROM Scanimp WHERE SC_Ref IS NULL"), QStringList{"6"});

    m_store->exec(QStringLiteral("DROP TABLE MdePJ"));
    const ScanPostingResult missing = postRawScanRecords(m_store->db, progress);
    QVERIFY(missing.error.startsWith("Fehler beim Verschieben der Daten!\n"));
    QCOMPARE(m_store->rows("SELECT count(*) FROM Scanimp"), QStringList{"6"});
}

void TestScanPosting::emptyRunDeletesNothing()
{
    m_store->exec(QStringLiteral("INSERT INTO Scanimp (SC_ID, SC_EntryType, SC_TourType, SC_State) VALUES (1, 1, 5, 1)"));
    RecordingProgress progress;
    const ScanPostingResult result = postRawScanRecords(m_store->db, progress);
    QVERIFY(result.ok());
    QCOMPARE(result.handled, 0);
    QCOMPARE(m_store->rows("SELECT count(*) FROM Scanimp"), QStringList{"1"});
}

QTEST_GUILESS_MAIN(TestScanPosting)
#include "TestScanPosting.moc"
