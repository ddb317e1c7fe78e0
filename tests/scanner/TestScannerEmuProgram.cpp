#include "scanner/Csp2Link.h"
#include "scanner/ScannerId.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace tekvora::scanner;

/// The emulator program as a user starts it: device path first, then it serves until ended.
class TestScannerEmuProgram : public QObject
{
    Q_OBJECT

private slots:
    void servesWhatItWasGiven();
    void faultFromTheCommandLine();
    void rejectsBadArguments_data();
    void rejectsBadArguments();

private:
    static QString startEmulator(QProcess &process, const QStringList &args)
    {
        process.start(QStringLiteral(TEKVORA_SCANNER_EMU), args);
        if (!process.waitForReadyRead(5000))
            return {};
        return QString::fromLocal8Bit(process.readLine()).trimmed();
    }
};

void TestScannerEmuProgram::servesWhatItWasGiven()
{
    QTemporaryDir dir;
    QFile barcodes(dir.filePath("barcodes.txt"));
    QVERIFY(barcodes.open(QIODevice::WriteOnly));
    barcodes.write("10.12.2026 07:30:12 ON1234\r\n\r\n10.12.2026 16:02:00 MD1000\n");
    barcodes.close();

    QProcess emulator;
    const QString device = startEmulator(emulator, {"--id", "00000000000004D2", "--barcodes", barcodes.fileName(),
                                                    "--clock", "24.12.2030 18:00:00", "TN5"});
    QVERIFY2(device.startsWith("/dev/"), qPrintable(device));
    Csp2Link link;
    QCOMPARE(link.csp2Init(device), 0);
    QCOMPARE(link.csp2ReadData(), 3);
    QCOMPARE(deviceIdText(link.csp2GetDeviceId()), QString("000004D2"));
    QCOMPARE(Csp2Link::csp2TimeStamp2Str(link.csp2GetPacket(1).right(4)), QString("04:02:00 PM 12/10/26"));
    QCOMPARE(link.csp2GetPacket(2).mid(2, 3), QByteArray("TN5"));
    const auto clock = link.csp2GetTime();
    QVERIFY(clock);
    QVERIFY(csp2::clockTime(*clock).secsTo(QDateTime({2030, 12, 24}, {18, 0, 0})) > -5);
    link.csp2Restore();
    emulator.terminate();
    QVERIFY(emulator.waitForFinished(5000));
}

void TestScannerEmuProgram::faultFromTheCommandLine()
{
    QProcess emulator;
    const QString device = startEmulator(emulator, {"--fault", "crc", "MA17"});
    QVERIFY(!device.isEmpty());
    Csp2Link link;
    QCOMPARE(link.csp2Init(device), int(Csp2Link::BadCrc));
    emulator.terminate();
    QVERIFY(emulator.waitForFinished(5000));
}

void TestScannerEmuProgram::rejectsBadArguments_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");

    QTest::addRow("short id") << QStringList{"--id", "1234"} << 2 << "--id braucht 16 Hexadezimalziffern.";
    QTest::addRow("bad clock") << QStringList{"--clock", "gestern"} << 2 << "--clock braucht";
    QTest::addRow("unknown fault") << QStringList{"--fault", "loud"} << 2 << "--fault kennt";
    QTest::addRow("missing file") << QStringList{"--barcodes", "/nonexistent/b.txt"} << 1
                                  << "Kann Datei /nonexistent/b.txt nicht lesen!";
}

void TestScannerEmuProgram::rejectsBadArguments()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    QProcess emulator;
    emulator.start(QStringLiteral(TEKVORA_SCANNER_EMU), args);
    QVERIFY(emulator.waitForFinished(5000));
    QCOMPARE(emulator.exitCode(), exitCode);
    QVERIFY2(QString::fromUtf8(emulator.readAllStandardError()).contains(message), qPrintable(message));
}

QTEST_GUILESS_MAIN(TestScannerEmuProgram)
#include "TestScannerEmuProgram.moc"
