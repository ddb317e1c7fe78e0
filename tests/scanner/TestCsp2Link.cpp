#include "EmulatedScanner.h"
#include "scanner/Csp2Link.h"

#include <QTest>

using namespace tekvora::scanner;
using tekvora::scanner::emu::Fault;
using tekvora::test::EmulatedScanner;

Q_DECLARE_METATYPE(tekvora::scanner::emu::Fault)

class TestCsp2Link : public QObject
{
    Q_OBJECT

private slots:
    void readsRecordsAndId();
    void setsAndReadsClock();
    void clearsMemory();
    void faultsGiveErrorResults_data();
    void faultsGiveErrorResults();
    void missingDeviceFailsToOpen();
};

void TestCsp2Link::readsRecordsAndId()
{
    EmulatedScanner scanner;
    QVERIFY(scanner.opened);
    scanner.emulator.setDeviceId(QByteArray::fromHex("000000000A0B0C0D"));
    scanner.emulator.setBatteryLow(true);
    scanner.emulator.addBarcode(QDateTime({2024, 5, 6}, {7, 8, 9}), "ON1234");
    scanner.emulator.addBarcode(QDateTime({2024, 5, 6}, {19, 0, 0}), "MA17");

    Csp2Link link;
    QCOMPARE(link.csp2Init(scanner.devicePath()), 0);
    QCOMPARE(link.status(), csp2::StatusBatteryLow);
    QCOMPARE(link.csp2ReadData(), 2);
    QCOMPARE(link.csp2GetDeviceId().toHex(), QByteArray("000000000a0b0c0d"));
    const QByteArray packet = link.csp2GetPacket(0);
    QCOMPARE(packet.size(), 6 + 6);
    QCOMPARE(quint8(packet.at(0)), quint8(packet.size() - 1));
    QCOMPARE(Csp2Link::csp2GetCodeType(quint8(packet.at(1))), QString("Code 39"));
    QCOMPARE(packet.mid(2, packet.size() - 6), QByteArray("ON1234"));
    QCOMPARE(Csp2Link::csp2TimeStamp2Str(packet.right(4)), QString("07:08:09 AM 05/06/24"));
    QCOMPARE(link.csp2GetPacket(1).mid(2, 4), QByteArray("MA17"));
    QVERIFY(link.csp2GetPacket(2).isEmpty());
    QCOMPARE(link.csp2Restore(), 0);
}

void TestCsp2Link::setsAndReadsClock()
{
    EmulatedScanner scanner;
    QVERIFY(scanner.opened);
    Csp2Link link;
    QCOMPARE(link.csp2Init(scanner.devicePath()), 0);
    const QByteArray bytes = QByteArray::fromHex("3b3b171f0c63");
    QCOMPARE(link.csp2SetTime(bytes), 0);
    const auto readBack = link.csp2GetTime();
    QVERIFY(readBack);
    // The clock runs on from the value set: at most a second or two later.
    QVERIFY(csp2::clockTime(*readBack).secsTo(QDateTime({2100, 1, 1}, {0, 0, 0})) <= 1);
    link.csp2Restore();
}

void TestCsp2Link::clearsMemory()
{
    EmulatedScanner scanner;
    QVERIFY(scanner.opened);
    scanner.emulator.addBarcode(QDateTime({2024, 5, 6}, {7, 8, 9}), "TN5");
    Csp2Link link;
    QCOMPARE(link.csp2Init(scanner.devicePath()), 0);
    QCOMPARE(link.csp2ReadData(), 1);
    QCOMPARE(link.csp2ClearData(), 0);
    QCOMPARE(link.csp2ReadData(), 0);
    QVERIFY(scanner.emulator.barcodes().isEmpty());
    link.csp2Restore();
}

void TestCsp2Link::faultsGiveErrorResults_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<int>("initResult");
    QTest::addColumn<int>("readResult");

    QTest::addRow("silent") << Fault::Silent << int(Csp2Link::NoReply) << 0;
    QTest::addRow("crc") << Fault::Crc << int(Csp2Link::BadCrc) << 0;
    QTest::addRow("short") << Fault::Short << int(Csp2Link::Incomplete) << 0;
    QTest::addRow("slow") << Fault::Slow << int(Csp2Link::NoReply) << 0;
    QTest::addRow("negative") << Fault::Negative << 0 << int(Csp2Link::Refused);
}

void TestCsp2Link::faultsGiveErrorResults()
{
    QFETCH(Fault, fault);
    QFETCH(int, initResult);
    QFETCH(int, readResult);

    EmulatedScanner scanner;
    QVERIFY(scanner.opened);
    scanner.emulator.addBarcode(QDateTime({2024, 5, 6}, {7, 8, 9}), "TN5");
    scanner.emulator.setFault(fault);
    Csp2Link link;
    QCOMPARE(link.csp2Init(scanner.devicePath()), initResult);
    QVERIFY(!Csp2Link::linkErrorText(initResult ? initResult : readResult).isEmpty());
    if (initResult == 0) {
        QCOMPARE(link.csp2ReadData(), readResult);
        QCOMPARE(link.csp2ClearData(), int(Csp2Link::Refused));
        link.csp2Restore();
    }
    QCOMPARE(scanner.emulator.barcodes().size(), 1);

    // Once it behaves again, the same device answers normally.
    scanner.emulator.setFault(Fault::None);
    QCOMPARE(link.csp2Init(scanner.devicePath()), 0);
    QCOMPARE(link.csp2ReadData(), 1);
    link.csp2Restore();
}

void TestCsp2Link::missingDeviceFailsToOpen()
{
    Csp2Link link;
    QCOMPARE(link.csp2Init(QStringLiteral("/dev/does-not-exist")), int(Csp2Link::OpenFailed));
    QCOMPARE(link.csp2ReadData(), int(Csp2Link::NotOpen));
}

QTEST_GUILESS_MAIN(TestCsp2Link)
#include "TestCsp2Link.moc"
