#include "scanner/ScanFile.h"
#include "scanner/ScanTime.h"
#include "scanner/ScannerId.h"

#include <QTest>

using namespace tekvora::scanner;

class TestScanFormats : public QObject
{
    Q_OBJECT

private slots:
    void scannerId_data();
    void scannerId();
    void timeStampText_data();
    void timeStampText();
    void scanLineAndArchiveName();
};

void TestScanFormats::scannerId_data()
{
    QTest::addColumn<QByteArray>("deviceId");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("id");

    QTest::addRow("eight digits left") << QByteArray::fromHex("0000000012345678") << "12345678" << qint64(12345678);
    QTest::addRow("zeros kept at eight") << QByteArray::fromHex("0000000000000042") << "00000042" << qint64(42);
    QTest::addRow("longer than eight") << QByteArray::fromHex("0000000123456789") << "123456789" << qint64(123456789);
    QTest::addRow("letter gives 0") << QByteArray::fromHex("000000000A0B0C0D") << "0A0B0C0D" << qint64(0);
    QTest::addRow("all sixteen") << QByteArray::fromHex("1000000000000001") << "1000000000000001"
                                 << qint64(1000000000000001);
}

void TestScanFormats::scannerId()
{
    QFETCH(QByteArray, deviceId);
    QFETCH(QString, text);
    QFETCH(qint64, id);
    QCOMPARE(deviceIdText(deviceId), text);
    QCOMPARE(scannerIdOf(text), id);
}

void TestScanFormats::timeStampText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDateTime>("time");

    QTest::addRow("12 AM is midnight") << "12:00:00 AM 03/05/24" << QDateTime({2024, 3, 5}, {0, 0, 0});
    QTest::addRow("12:30 AM") << "12:30:15 AM 03/05/24" << QDateTime({2024, 3, 5}, {0, 30, 15});
    QTest::addRow("11:59 AM") << "11:59:59 AM 03/05/24" << QDateTime({2024, 3, 5}, {11, 59, 59});
    QTest::addRow("12 PM is noon") << "12:00:00 PM 03/05/24" << QDateTime({2024, 3, 5}, {12, 0, 0});
    QTest::addRow("12:01 PM") << "12:01:00 PM 03/05/24" << QDateTime({2024, 3, 5}, {12, 1, 0});
    QTest::addRow("01 PM") << "01:07:09 PM 12/31/24" << QDateTime({2024, 12, 31}, {13, 7, 9});
    QTest::addRow("11:59 PM") << "11:59:59 PM 12/31/99" << QDateTime({2099, 12, 31}, {23, 59, 59});
    QTest::addRow("24-hour text stays") << "18:20:00    06/01/24" << QDateTime({2024, 6, 1}, {18, 20, 0});
    QTest::addRow("no date parts") << "08:15:00 AM" << QDateTime({2000, 1, 1}, {8, 15, 0});
    QTest::addRow("month only") << "08:15:00 AM 07" << QDateTime({2000, 7, 1}, {8, 15, 0});
    QTest::addRow("invalid date") << "08:15:00 AM 02/30/24" << QDateTime({1899, 12, 30}, {0, 0});
    QTest::addRow("empty") << "" << QDateTime({1899, 12, 30}, {0, 0});
}

void TestScanFormats::timeStampText()
{
    QFETCH(QString, text);
    QFETCH(QDateTime, time);
    QCOMPARE(parseTimeStampText(text), time);
}

void TestScanFormats::scanLineAndArchiveName()
{
    QCOMPARE(scanLine(QDateTime({2024, 3, 5}, {7, 8, 59}), "ON1234"), QByteArray("05.03.2024 07:08 ON1234"));
    QCOMPARE(scanFileArchiveName(42, QDateTime({2024, 3, 5}, {7, 8, 9})), QString("Sc42_2024-03-05_07-08-09.SOF"));
    QCOMPARE(clockDisplayText(QDateTime({2099, 12, 31}, {23, 59, 59})), QString("31.12.2099-23:59:59"));
}

QTEST_GUILESS_MAIN(TestScanFormats)
#include "TestScanFormats.moc"
