#include "scanner/Csp2Link.h"
#include "scanner/Csp2Protocol.h"

#include <QTest>

using namespace tekvora::scanner;

class TestCsp2Protocol : public QObject
{
    Q_OBJECT

private slots:
    void crcCheckValue();
    void requestFrames();
    void timeStampText_data();
    void timeStampText();
    void clockBytes_data();
    void clockBytes();
};

void TestCsp2Protocol::crcCheckValue()
{
    QByteArray frame = QByteArray::fromHex("010200");
    csp2::appendCrc(frame);
    QCOMPARE(frame.toHex(), QByteArray("0102009fde"));
    QVERIFY(csp2::hasValidCrc(frame));
    frame[1] = 0x03;
    QVERIFY(!csp2::hasValidCrc(frame));
}

void TestCsp2Protocol::requestFrames()
{
    QCOMPARE(csp2::requestFrame(csp2::Opcode::Interrogate).toHex(), QByteArray("0102009fde"));
    const QByteArray setClock = csp2::requestFrame(csp2::Opcode::SetClock, QByteArray::fromHex("3b3b171f0c63"));
    QCOMPARE(setClock.left(10).toHex(), QByteArray("0902063b3b171f0c6300"));
    QCOMPARE(setClock.size(), 12);
    QCOMPARE(csp2::requestLength(setClock.left(3)), 12);
    QCOMPARE(csp2::requestLength(setClock.left(2)), -1);
}

void TestCsp2Protocol::timeStampText_data()
{
    QTest::addColumn<QDateTime>("time");
    QTest::addColumn<QString>("text");

    QTest::addRow("midnight") << QDateTime({2024, 3, 5}, {0, 0, 0}) << "12:00:00 AM 03/05/24";
    QTest::addRow("just after midnight") << QDateTime({2024, 3, 5}, {0, 30, 15}) << "12:30:15 AM 03/05/24";
    QTest::addRow("before noon") << QDateTime({2024, 3, 5}, {11, 59, 59}) << "11:59:59 AM 03/05/24";
    QTest::addRow("noon") << QDateTime({2024, 3, 5}, {12, 0, 0}) << "12:00:00 PM 03/05/24";
    QTest::addRow("afternoon") << QDateTime({2024, 12, 31}, {13, 7, 9}) << "01:07:09 PM 12/31/24";
    QTest::addRow("before midnight") << QDateTime({2063, 1, 1}, {23, 59, 59}) << "11:59:59 PM 01/01/63";
}

void TestCsp2Protocol::timeStampText()
{
    QFETCH(QDateTime, time);
    QFETCH(QString, text);
    QCOMPARE(Csp2Link::csp2TimeStamp2Str(csp2::packTimeStamp(time)), text);
}

void TestCsp2Protocol::clockBytes_data()
{
    QTest::addColumn<QDateTime>("time");
    QTest::addColumn<QByteArray>("bytes");

    QTest::addRow("last second of 2099") << QDateTime({2099, 12, 31}, {23, 59, 59}) << QByteArray::fromHex("3b3b171f0c63");
    QTest::addRow("first of 2000") << QDateTime({2000, 1, 1}, {0, 0, 0}) << QByteArray::fromHex("000000010100");
    QTest::addRow("last year that fits") << QDateTime({2255, 6, 1}, {8, 0, 0}) << QByteArray::fromHex("0000080106ff");
    QTest::addRow("before 2000") << QDateTime({1999, 12, 31}, {23, 59, 59}) << QByteArray();
    QTest::addRow("after 2255") << QDateTime({2256, 1, 1}, {0, 0, 0}) << QByteArray();
}

void TestCsp2Protocol::clockBytes()
{
    QFETCH(QDateTime, time);
    QFETCH(QByteArray, bytes);
    const auto result = csp2::clockBytes(time);
    QCOMPARE(result.value_or(QByteArray()), bytes);
    if (result)
        QCOMPARE(csp2::clockTime(*result), time);
}

QTEST_GUILESS_MAIN(TestCsp2Protocol)
#include "TestCsp2Protocol.moc"
