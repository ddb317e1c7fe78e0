#include "PostingFixture.h"
#include "ScanTestSupport.h"
#include "support/PresetPrompt.h"

#include "posting/ScanListing.h"
#include "posting/ScanProcessing.h"

#include <QDir>
#include <QFile>
#include <QSqlRecord>

#include <ctime>

using namespace tekvora::posting;
using tekvora::test::PostingStore;
using tekvora::test::PresetPrompt;
using tekvora::test::scanFileLines;

namespace {

const QDateTime processedAt(QDate(2026, 3, 2), QTime(7, 5, 9));

void writeScanFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray crlf(const QStringList &lines)
{
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

} // namespace

class TestScanProcessing : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void savesRecordsAndArchivesFile();
    void continuesNumbersOfEarlierRecords();
    void repeatedFileMakesNothingNew();
    void keepsOddLinesUnchanged_data();
    void keepsOddLinesUnchanged();
    void keepsTimesOfTheNightClocksChange();
    void asksWhenNothingUsable_data();
    void asksWhenNothingUsable();
    void reportsMissingFileAndUnregisteredScanner();
    void failedSaveKeepsEverything();

private:
    ScanProcessingResult process(PresetPrompt &prompt);

    std::unique_ptr<PostingStore> m_store;
    QString m_scanFile;
};

void TestScanProcessing::init()
{
    m_store = std::make_unique<PostingStore>();
    m_scanFile = m_store->dir.filePath(QStringLiteral("Scanimp.txt"));
    m_store->exec(QStringLiteral("INSERT INTO Scandev (SV_ID, SV_Type, SV_ScannerID, SV_Pers, SV_Bindung)"
                                 " VALUES (1, 1, 4711, 0, 0), (2, 1, 4712, 5, 1)"));
}

void TestScanProcessing::cleanup()
{
    m_store.reset();
}

ScanProcessingResult TestScanProcessing::process(PresetPrompt &prompt)
{
    return processScanFile({m_store->db, m_scanFile, ScanStandards{}, processedAt}, prompt);
}

void TestScanProcessing::savesRecordsAndArchivesFile()
{
    const QStringList lines =
        scanFileLines({"SC_ID:00004712", "08:00 ON100", "08:05 TN7", "09:00 TN7", "09:30 ON200"});
    writeScanFile(m_scanFile, crlf(lines));
    PresetPrompt prompt;
    const ScanProcessingResult result = process(prompt);

    QVERIFY(result.saved);
    QCOMPARE(result.barcodeCount, 4);
    QCOMPARE(result.recordCount, 6);
    QCOMPARE(result.deviceId, QStringLiteral("00004712"));
    QCOMPARE(prompt.shown, QStringList{"i Es wurden 4 Barcodes verarbeitet\nund 6 Erfassungssätze gespeichert.\n"
                                       "Letzter verarbeiteter Barcode:01.03.2026 09:30 ON200"});
    QCOMPARE(m_store->rows("SELECT SC_ID, SC_Seq, SC_EntryType, SC_ObjNr, SC_PersNr, SC_TaetigNr, SC_TourType,"
                           " SC_TourDate, SC_StartTime, SC_EndTime, SC_Dauer, SC_CalcMode, SC_State IS NULL,"
                           " SC_Ref IS NULL, SC_ScannerID FROM Scanimp ORDER BY SC_ID"),
             (QStringList{
                 "1|1|1|100|0|0|9|2026-03-01 00:00:00|2026-03-01 08:00:00|2026-03-01 09:30:00|1.5|1|1|1|4712",
                 "2|1|3|100|5|0|9|2026-03-01 00:00:00|2026-03-01 08:00:00|2026-03-01 09:00:00|1|0|1|1|4712",
                 "3|1|2|100|5|7|9|2026-03-01 00:00:00|2026-03-01 08:05:00|2026-03-01 09:00:00|0.9166666667|0|1|1|4712",
                 "4|1|3|100|5|0|9|2026-03-01 00:00:00|2026-03-01 09:00:00|2026-03-01 09:30:00|0.5|1|1|1|4712",
                 "5|2|1|200|0|0|9|2026-03-01 00:00:00|2026-03-01 09:30:00|2026-03-01 09:30:00|0|1|1|1|4712",
                 "6|2|3|200|5|0|9|2026-03-01 00:00:00|2026-03-01 09:30:00|2026-03-01 09:30:00|0|1|1|1|4712",
             }));
    QCOMPARE(m_store->rows("SELECT SV_LetzterScan FROM Scandev WHERE SV_ScannerID = 4712"),
             QStringList{"01.03.2026 09:30 ON200"});

    QVERIFY(!QFile::exists(m_scanFile));
    QCOMPARE(result.archiveFile, m_store->dir.filePath(QStringLiteral("Sc4712_2026-03-02_07-05-09.SOF")));
    QVERIFY(QFile::exists(result.archiveFile));

    QCOMPARE(result.listing.mid(0, lines.size()), lines);
    QCOMPARE(result.listing.at(lines.size()), scanListingHeader());
    QCOMPARE(result.listing.at(lines.size() + 1), scanListingRule());
    QCOMPARE(result.listing.at(lines.size() + 2),
             QStringLiteral("#MD 1      0      0      0    100      0      0      0 01.03.2026 01.03.2026 08:00 "
                            "01.03.2026 09:30  1:30 C"));
    QCOMPARE(result.listing.size(), lines.size() + 2 + 6 + 1);
    QCOMPARE(result.listing.constLast(), scanListingRule());
}

void TestScanProcessing::continuesNumbersOfEarlierRecords()
{
    m_store->exec(QStringLiteral("INSERT INTO Scanimp (SC_ID, SC_Seq, SC_EntryType, SC_TourType) VALUES (40, 7, 3, 9)"));
    writeScanFile(m_scanFile, crlf(scanFileLines({"SC_ID:00004711", "08:00 ON100", "08:10 MA5", "09:00 ON300"})));
    PresetPrompt prompt;
    QVERIFY(process(prompt).saved);
    QCOMPARE(m_store->rows("SELECT SC_ID, SC_Seq, SC_EntryType FROM Scanimp WHERE SC_ID > 40 ORDER BY SC_ID"),
             (QStringList{"41|8|1", "42|8|3", "43|9|1", "44|9|3"}));
}

void TestScanProcessing::repeatedFileMakesNothingNew()
{
    const QByteArray bytes = crlf(scanFileLines({"SC_ID:00004711", "08:00 ON100", "08:10 MA5", "17:00 ON100"}));
    writeScanFile(m_scanFile, bytes);
    PresetPrompt first;
    QVERIFY(process(first).saved);

    // The scanner was not cleared: the same lines come again, followed by the next day's.
    writeScanFile(m_scanFile, bytes + crlf(scanFileLines({"+1 08:00 ON100", "+1 08:30 MA5", "+1 12:00 ON100"})));
    PresetPrompt second;
    const ScanProcessingResult result = process(second);
    QVERIFY(result.saved);
    QCOMPARE(result.barcodeCount, 3);
    QCOMPARE(m_store->rows("SELECT count(*) FROM Scanimp WHERE SC_StartTime < '2026-03-02'"), QStringList{"4"});
    QCOMPARE(m_store->rows("SELECT SC_EntryType, SC_PersNr, SC_StartTime, SC_EndTime FROM Scanimp"
                           " WHERE SC_StartTime >= '2026-03-02' ORDER BY SC_ID"),
             (QStringList{"1|0|2026-03-02 08:00:00|2026-03-02 12:00:00", "3|5|2026-03-02 08:30:00|2026-03-02 12:00:00",
                          "1|0|2026-03-02 12:00:00|2026-03-02 12:00:00", "3|5|2026-03-02 12:00:00|2026-03-02 12:00:00"}));

    // A third time: every line was processed before.
    writeScanFile(m_scanFile, bytes + crlf(scanFileLines({"+1 08:00 ON100", "+1 08:30 MA5", "+1 12:00 ON100"})));
    PresetPrompt third({true});
    QVERIFY(!process(third).saved);
    QCOMPARE(third.shown, QStringList{"? Es wurden keine verwertbaren Scannerdaten gefunden!\nImportdatei löschen?"});
    QVERIFY(!QFile::exists(m_scanFile));
    QCOMPARE(m_store->rows("SELECT count(*) FROM Scanimp"), QStringList{"8"});
}

void TestScanProcessing::keepsOddLinesUnchanged_data()
{
    QTest::addColumn<QByteArray>("lastLine");
    QTest::addColumn<QString>("stored");

    QTest::addRow("quote and semicolon") << QByteArray("01.03.2026 09:00 AN1'; DELETE FROM Scandev; --")
                                         << QStringLiteral("01.03.2026 09:00 AN1'; DELETE FROM Scandev; --");
    QTest::addRow("Windows-1252 bytes") << QByteArray("01.03.2026 09:00 AN1 M\xfcller \x80")
                                        << QStringLiteral("01.03.2026 09:00 AN1 Müller €");
    QTest::addRow("UTF-8 text") << QByteArray("01.03.2026 09:00 AN1 Müller") << QStringLiteral("01.03.2026 09:00 AN1 Müller");
    QTest::addRow("stray bytes") << QByteArray("01.03.2026 09:00 AN1 \xff\xfe\x81")
                                 << QStringLiteral("01.03.2026 09:00 AN1 \u00ff\u00fe\u0081");
    QTest::addRow("line of 10000 characters") << "01.03.2026 09:00 AN" + QByteArray(9983, '1')
                                              << "01.03.2026 09:00 AN" + QString(9983, QLatin1Char('1'));
}

void TestScanProcessing::keepsOddLinesUnchanged()
{
    QFETCH(QByteArray, lastLine);
    QFETCH(QString, stored);
    const QByteArray bytes = "SC_ID:00004711\r\n01.03.2026 08:00 ON100\r\n" + lastLine + "\r\n";
    writeScanFile(m_scanFile, bytes);
    PresetPrompt first;
    QVERIFY(process(first).saved);
    QCOMPARE(m_store->rows("SELECT SV_LetzterScan FROM Scandev WHERE SV_ScannerID = 4711"), QStringList{stored});
    QCOMPARE(m_store->rows("SELECT count(*) FROM Scandev"), QStringList{"2"});

    // The stored line is found again in the same bytes: nothing is processed twice.
    writeScanFile(m_scanFile, bytes + "01.03.2026 10:00 ON100\r\n");
    PresetPrompt second;
    const ScanProcessingResult again = process(second);
    QVERIFY(again.saved);
    QCOMPARE(again.barcodeCount, 1);
}

void TestScanProcessing::keepsTimesOfTheNightClocksChange()
{
    // 02:30 does not exist in German local time that night; a night shift still scans it.
    qputenv("TZ", "Europe/Berlin");
    tzset();
    writeScanFile(m_scanFile, "SC_ID:00004711\r\n29.03.2026 02:30 ON100\r\n29.03.2026 03:10 ON100\r\n");
    PresetPrompt prompt;
    const bool saved = process(prompt).saved;
    qunsetenv("TZ");
    tzset();
    QVERIFY(saved);
    QCOMPARE(m_store->rows("SELECT SC_StartTime, SC_EndTime, SC_Dauer FROM Scanimp WHERE SC_EntryType = 1"
                           " ORDER BY SC_ID"),
             (QStringList{"2026-03-29 02:30:00|2026-03-29 03:10:00|0.6666666667",
                          "2026-03-29 03:10:00|2026-03-29 03:10:00|0"}));
}

void TestScanProcessing::asksWhenNothingUsable_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("question");

    const QString noScans = QStringLiteral("? Es wurden keine verwertbaren Scannerdaten gefunden!\nImportdatei löschen?");
    const QString noRecords = QStringLiteral("? Es wurden keine Datensätze erzeugt\nImportdatei löschen?");
    QTest::addRow("empty file, delete") << QByteArray() << true << noScans;
    QTest::addRow("only comments, keep") << QByteArray("* Kommentar\r\n*\r\n") << false << noScans;
    QTest::addRow("only SC_ID") << QByteArray("SC_ID:00004711\r\n") << true << noScans;
    QTest::addRow("bad dates and unknown codes")
        << QByteArray("SC_ID:00004711\r\n32.01.2026 08:00 ON1\r\n01.03.2026 08:00 XX1\r\n") << false << noScans;
    QTest::addRow("counted barcodes only") << QByteArray("SC_ID:00004711\r\n01.03.2026 08:00 AP1\r\n") << true
                                           << noRecords;
}

void TestScanProcessing::asksWhenNothingUsable()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, answer);
    QFETCH(QString, question);
    writeScanFile(m_scanFile, content);
    PresetPrompt prompt({answer});
    const ScanProcessingResult result = process(prompt);
    QVERIFY(!result.saved);
    QCOMPARE(prompt.shown, QStringList{question});
    QCOMPARE(QFile::exists(m_scanFile), !answer);
    QCOMPARE(m_store->rows("SELECT count(*) FROM Scanimp"), QStringList{"0"});
    QCOMPARE(m_store->rows("SELECT count(*) FROM Scandev WHERE SV_LetzterScan IS NOT NULL"), QStringList{"0"});
}

void TestScanProcessing::reportsMissingFileAndUnregisteredScanner()
{
    PresetPrompt missing;
    process(missing);
    QCOMPARE(missing.shown, QStringList{"! Keine Scannerdaten gefunden!"});

    writeScanFile(m_scanFile, crlf(scanFileLines({"SC_ID:00000815", "08:00 ON100"})));
    // Even a "yes" to everything keeps the scans of a scanner that is not registered yet.
    PresetPrompt unregistered({true});
    const ScanProcessingResult result = process(unregistered);
    QVERIFY(!result.saved);
    QCOMPARE(unregistered.shown,
             (QStringList{"! Dieser Scanner ist noch nicht in Ihrer Scannerverwaltung registriert!\n"
                          "Sie können keine Barcode-Daten verarbeiten, bevor der Scanner erfasst wurde.\n"
                          "Die eingelesene Scanner-ID ist:815"}));
    QVERIFY(QFile::exists(m_scanFile));
}

void TestScanProcessing::failedSaveKeepsEverything()
{
    // The last record cannot be inserted: nothing of the run may remain.
    m_store->exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON Scanimp WHEN NEW.SC_ID = 3"
                                 " BEGIN SELECT RAISE(ABORT, 'Platte voll'); END"));
    writeScanFile(m_scanFile, crlf(scanFileLines({"SC_ID:00004711", "08:00 ON100", "08:10 MA5", "09:00 ON100"})));
    PresetPrompt prompt;
    const ScanProcessingResult result = process(prompt);
    QVERIFY(!result.saved);
    QCOMPARE(prompt.shown.size(), 1);
    QVERIFY(prompt.shown[0].startsWith(
        "! Fehler beim Speichern der Daten!\nFühren Sie die Verarbeitung noch einmal durch.\n"));
    QVERIFY(prompt.shown[0].contains("Platte voll"));
    QCOMPARE(m_store->rows("SELECT count(*) FROM Scanimp"), QStringList{"0"});
    QCOMPARE(m_store->rows("SELECT count(*) FROM Scandev WHERE SV_LetzterScan IS NOT NULL"), QStringList{"0"});
    QVERIFY(QFile::exists(m_scanFile));
}

QTEST_GUILESS_MAIN(TestScanProcessing)
#include "TestScanProcessing.moc"
