#include "ScannerFixture.h"

#include <QFile>
#include <QSqlQuery>
#include <QTest>

using namespace tekvora::scanner;
using tekvora::scanner::emu::Fault;
using tekvora::test::ScannerFixture;

Q_DECLARE_METATYPE(tekvora::scanner::emu::Fault)

namespace {
const QDateTime Now({2026, 12, 11}, {14, 5, 30});
}

class TestScannerOperations : public QObject
{
    Q_OBJECT

private slots:
    void readWritesFileSetsClockAndClears();
    void readWithoutClockOrClearing();
    void overlongPacketsAreSkipped();
    void emptyScannerWritesNoFileButGetsClock();
    void unregisteredScannerIsRefused();
    void existingScanFileIsNeverOverwritten();
    void badPortStopsBeforeTheDevice_data();
    void badPortStopsBeforeTheDevice();
    void misbehavingScannerLosesNothing_data();
    void misbehavingScannerLosesNothing();
    void clockOperation();
    void clockOutsideItsYears();
    void clearOperation();
    void discardAsksFirst();
};

void TestScannerOperations::readWritesFileSetsClockAndClears()
{
    ScannerFixture f;
    f.scanner.emulator.setClock(QDateTime({2026, 1, 2}, {3, 4, 5}));
    f.scanner.emulator.addBarcode(QDateTime({2026, 12, 10}, {7, 30, 12}), "ON1234");
    f.scanner.emulator.addBarcode(QDateTime({2026, 12, 10}, {12, 0, 59}), "MA17");
    f.scanner.emulator.addBarcode(QDateTime({2026, 12, 10}, {0, 5, 0}), "TN5");
    f.operations.setNow([] { return Now; });

    QVERIFY(f.operations.readScanner(f.setup));
    QCOMPARE(f.scanFileBytes(), QByteArray("SC_ID:12345678\r\n"
                                           "10.12.2026 07:30 ON1234\r\n"
                                           "10.12.2026 12:00 MA17\r\n"
                                           "10.12.2026 00:05 TN5\r\n"));
    QCOMPARE(f.prompt.shown, QStringList("i Scannerspeicher wurde gelöscht"));
    QVERIFY(f.scanner.emulator.barcodes().isEmpty());
    QVERIFY(qAbs(f.scanner.emulator.clock().secsTo(Now)) <= 2);
    const QString clockText = f.monitor.labels.at(3).mid(8);
    QVERIFY2(clockText.startsWith("11.12.2026-14:05:3"), qPrintable(clockText));
    QCOMPARE(f.monitor.labels.mid(0, 3), QStringList({"Barcodes=3", "Geräte-ID=12345678", "Uhrzeit=02.01.2026-03:04:05"}));
    QCOMPARE(f.monitor.listing.mid(0, 4), QStringList({"SC_ID:12345678", "10.12.2026 07:30 ON1234",
                                                      "10.12.2026 12:00 MA17", "10.12.2026 00:05 TN5"}));
    QCOMPARE(f.monitor.listing.mid(4), QStringList({"Zeitsynchronisation durchgeführt",
                                                   "Scannerzeit auf " + clockText + " gesetzt",
                                                   "Scannerspeicher gelöscht"}));
    QSqlQuery query(f.db);
    QVERIFY(query.exec("SELECT SV_Zuletztgelesen FROM Scandev WHERE SV_ID = 1") && query.next());
    QCOMPARE(query.value(0).toString(), QString("2026-12-11 14:05:30"));
}

void TestScannerOperations::readWithoutClockOrClearing()
{
    ScannerFixture f;
    const QDateTime clock({2030, 5, 6}, {7, 8, 9});
    f.scanner.emulator.setClock(clock);
    f.scanner.emulator.addBarcode(QDateTime({2026, 12, 10}, {7, 30, 12}), "ON1234");

    QVERIFY(f.operations.readScanner(f.setup, {false, false}));
    QVERIFY(f.prompt.shown.isEmpty());
    QCOMPARE(f.scanner.emulator.barcodes().size(), 1);
    QVERIFY(f.scanner.emulator.clock().secsTo(clock) > -3);
    QCOMPARE(f.monitor.listing.size(), 2);
}

void TestScannerOperations::overlongPacketsAreSkipped()
{
    ScannerFixture f;
    const QByteArray longest(95, 'X'); // a packet of 101 bytes
    f.scanner.emulator.addBarcode(QDateTime({2026, 12, 10}, {7, 30, 12}), longest);
    f.scanner.emulator.addBarcode(QDateTime({2026, 12, 10}, {7, 31, 0}), longest + 'Y');

    QVERIFY(f.operations.readScanner(f.setup, {false, false}));
    QCOMPARE(f.scanFileBytes(), "SC_ID:12345678\r\n10.12.2026 07:30 " + longest + "\r\n");
}

void TestScannerOperations::emptyScannerWritesNoFileButGetsClock()
{
    ScannerFixture f;
    f.scanner.emulator.setClock(QDateTime({2030, 5, 6}, {7, 8, 9}));
    f.operations.setNow([] { return Now; });

    QVERIFY(!f.operations.readScanner(f.setup));
    QVERIFY(!QFile::exists(f.setup.scanFile));
    QCOMPARE(f.prompt.shown, QStringList("i Scanner enthält keine Barcodes!"));
    QVERIFY(qAbs(f.scanner.emulator.clock().secsTo(Now)) <= 2);
    QCOMPARE(f.monitor.listing.at(1), QString("Zeitsynchronisation durchgeführt"));
    QVERIFY(!f.monitor.listing.contains("Scannerspeicher gelöscht"));
}

void TestScannerOperations::unregisteredScannerIsRefused()
{
    ScannerFixture f;
    f.scanner.emulator.setDeviceId(QByteArray::fromHex("0000000000000777"));
    const QDateTime clock({2030, 5, 6}, {7, 8, 9});
    f.scanner.emulator.setClock(clock);
    f.scanner.emulator.addBarcode(QDateTime({2026, 12, 10}, {7, 30, 12}), "ON1234");

    QVERIFY(!f.operations.readScanner(f.setup));
    QCOMPARE(f.prompt.shown,
             QStringList("! Dieser Scanner ist noch nicht in Ihrer Scannerverwaltung registriert!\r"
                         "Sie können keine Barcode-Daten verarbeiten, bevor der Scanner erfasst wurde.\r"
                         "Die eingelesene Scanner-ID ist:777"));
    QVERIFY(!QFile::exists(f.setup.scanFile));
    QCOMPARE(f.scanner.emulator.barcodes().size(), 1);
    QVERIFY(f.scanner.emulator.clock().secsTo(clock) > -3);
}

void TestScannerOperations::existingScanFileIsNeverOverwritten()
{
    ScannerFixture f;
    f.scanner.emulator.addBarcode(QDateTime({2026, 12, 10}, {7, 30, 12}), "ON1234");
    QFile file(f.setup.scanFile);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("SC_ID:12345678\r\n");
    file.close();

    QVERIFY(!f.operations.readScanner(f.setup));
    QCOMPARE(f.scanFileBytes(), QByteArray("SC_ID:12345678\r\n"));
    QCOMPARE(f.scanner.emulator.barcodes().size(), 1);
    QCOMPARE(f.prompt.shown.size(), 1);
}

void TestScannerOperations::badPortStopsBeforeTheDevice_data()
{
    QTest::addColumn<QString>("port");
    QTest::addColumn<int>("operation");
    for (const char *port : {"0", "17"}) {
        QTest::addRow("read at %s", port) << port << 0;
        QTest::addRow("clear at %s", port) << port << 1;
        QTest::addRow("clock at %s", port) << port << 2;
    }
}

void TestScannerOperations::badPortStopsBeforeTheDevice()
{
    QFETCH(QString, port);
    QFETCH(int, operation);
    ScannerFixture f;
    f.scanner.emulator.addBarcode(QDateTime({2026, 12, 10}, {7, 30, 12}), "ON1234");
    const QDateTime clock({2030, 5, 6}, {7, 8, 9});
    f.scanner.emulator.setClock(clock);
    f.setup.portField = port;
    f.setup.detectPorts = [&] { return QStringList(f.scanner.devicePath()); };

    const bool done = operation == 0   ? f.operations.readScanner(f.setup)
                      : operation == 1 ? f.operations.clearMemory(f.setup)
                                       : f.operations.setClock(f.setup);
    QVERIFY(!done);
    QCOMPARE(f.prompt.shown, QStringList("! Gültige Port-Werte sind \"1\" .. \"16\""));
    QCOMPARE(f.scanner.emulator.barcodes().size(), 1);
    QVERIFY(f.scanner.emulator.clock().secsTo(clock) > -3);
}

void TestScannerOperations::misbehavingScannerLosesNothing_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("message");

    QTest::addRow("silent") << Fault::Silent << "! Fehler Init:-2\rDer Scanner antwortet nicht.";
    QTest::addRow("crc") << Fault::Crc << "! Fehler Init:-3\rDie Antwort des Scanners ist gestört (Prüfsummenfehler).";
    QTest::addRow("short") << Fault::Short << "! Fehler Init:-4\rDie Antwort des Scanners ist unvollständig.";
    QTest::addRow("slow") << Fault::Slow << "! Fehler Init:-2\rDer Scanner antwortet nicht.";
    QTest::addRow("negative") << Fault::Negative << "! Fehler ReadData:-5\rDer Scanner hat die Anfrage abgelehnt.";
}

void TestScannerOperations::misbehavingScannerLosesNothing()
{
    QFETCH(Fault, fault);
    QFETCH(QString, message);
    ScannerFixture f;
    f.scanner.emulator.addBarcode(QDateTime({2026, 12, 10}, {7, 30, 12}), "ON1234");
    f.scanner.emulator.setFault(fault);

    QVERIFY(!f.operations.readScanner(f.setup));
    QCOMPARE(f.prompt.shown, QStringList(message));
    QVERIFY(!QFile::exists(f.setup.scanFile));
    QCOMPARE(f.scanner.emulator.barcodes().size(), 1);
}

void TestScannerOperations::clockOperation()
{
    ScannerFixture f;
    const QDateTime last({2099, 12, 31}, {23, 59, 59});
    f.operations.setNow([&] { return last; });

    QVERIFY(f.operations.setClock(f.setup));
    QCOMPARE(f.monitor.labels.mid(0, 4), QStringList({"Barcodes=", "Geräte-ID=", "Barcodes=0", "Geräte-ID=12345678"}));
    QCOMPARE(f.prompt.shown.size(), 1);
    QVERIFY2(f.prompt.shown.first().startsWith("i Uhrzeit wurde auf 31.12.2099-23:59:59 gesetzt")
                 || f.prompt.shown.first().startsWith("i Uhrzeit wurde auf 01.01.2100-00:00:00 gesetzt"),
             qPrintable(f.prompt.shown.first()));

    f.prompt.shown.clear();
    f.scanner.emulator.setFault(Fault::Negative);
    QVERIFY(!f.operations.setClock(f.setup));
    QCOMPARE(f.prompt.shown, QStringList("! Fehler ReadData:-5\rDer Scanner hat die Anfrage abgelehnt."));
}

void TestScannerOperations::clockOutsideItsYears()
{
    ScannerFixture f;
    const QDateTime clock({2030, 5, 6}, {7, 8, 9});
    f.scanner.emulator.setClock(clock);
    f.operations.setNow([] { return QDateTime({2256, 1, 1}, {0, 0, 0}); });

    QVERIFY(!f.operations.setClock(f.setup));
    QCOMPARE(f.prompt.shown, QStringList("! Fehler bei Bereichsprüfung: die Uhrzeit 01.01.2256 00:00:00 passt nicht "
                                         "in den Scanner (Jahre 2000 bis 2255)."));
    QVERIFY(f.scanner.emulator.clock().secsTo(clock) > -3);
}

void TestScannerOperations::clearOperation()
{
    ScannerFixture f;
    QVERIFY(!f.operations.clearMemory(f.setup));
    QCOMPARE(f.prompt.shown, QStringList("! Keine Barcodes gespeichert!"));

    f.prompt.shown.clear();
    f.scanner.emulator.addBarcode(QDateTime({2026, 12, 10}, {7, 30, 12}), "ON1234");
    QVERIFY(f.operations.clearMemory(f.setup));
    QCOMPARE(f.prompt.shown, QStringList("i Scannerspeicher wurde gelöscht"));
    QCOMPARE(f.monitor.labels.last(), QString("Geräte-ID=12345678"));
    QVERIFY(f.monitor.labels.contains("Barcodes=1"));
    QVERIFY(f.monitor.labels.contains("Barcodes=0"));
}

void TestScannerOperations::discardAsksFirst()
{
    ScannerFixture f;
    QFile file(f.setup.scanFile);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    f.prompt.answers << false << true;
    QVERIFY(!discardScanFile(f.setup.scanFile, f.prompt));
    QVERIFY(QFile::exists(f.setup.scanFile));
    QVERIFY(discardScanFile(f.setup.scanFile, f.prompt));
    QVERIFY(!QFile::exists(f.setup.scanFile));
    QCOMPARE(f.prompt.shown, QStringList(2, "? Wollen Sie die Importdatei wirklich löschen?"));
}

QTEST_GUILESS_MAIN(TestScannerOperations)
#include "TestScannerOperations.moc"
