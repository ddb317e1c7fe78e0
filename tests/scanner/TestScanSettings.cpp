#include "scanner/ScanSettings.h"
#include "scanner/ScannerPort.h"
#include "scanner/StandardNumbers.h"
#include "platform/SerialPortMap.h"
#include "support/PresetPrompt.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tekvora::scanner;
using tekvora::test::PresetPrompt;

class TestScanSettings : public QObject
{
    Q_OBJECT

private slots:
    void createsDefaultsWhenMissing();
    void readsAndKeepsCurrentForEmptyValues();
    void reportsUnwritableFile();
    void portField_data();
    void portField();
    void detectsPorts();
};

void TestScanSettings::createsDefaultsWhenMissing()
{
    QTemporaryDir dir;
    PresetPrompt prompt;
    const QString path = scanSettingsPath(dir.path());
    const ScanSettings settings = loadScanSettings(path, {}, prompt);
    QVERIFY(prompt.shown.isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("SCANPORT=4\r\nSTOBJEKT=999999\r\nSTPERSON=9999\r\n"));
    QCOMPARE(settings.port, QString("4"));
    QCOMPARE(settings.standardSite, QString("999999"));

    takeStandardNumbers({QStringLiteral("2"), QStringLiteral("4711"), QStringLiteral("x")});
    QCOMPARE(standardNumbers().site, qint64(4711));
    QCOMPARE(standardNumbers().person, qint64(9999));
}

void TestScanSettings::readsAndKeepsCurrentForEmptyValues()
{
    QTemporaryDir dir;
    const QString path = scanSettingsPath(dir.path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("SCANPORT=\nSTOBJEKT=\nSTPERSON=17\n");
    file.close();
    PresetPrompt prompt;
    const ScanSettings settings = loadScanSettings(path, {"9", "12", "13"}, prompt);
    QCOMPARE(settings.port, QString("3"));
    QCOMPARE(settings.standardSite, QString("12"));
    QCOMPARE(settings.standardPerson, QString("17"));

    QVERIFY(saveScanSettings(path, {"/dev/ttyACM0", "5", "6"}, prompt));
    QCOMPARE(loadScanSettings(path, {}, prompt).port, QString("/dev/ttyACM0"));
    QVERIFY(prompt.shown.isEmpty());
}

void TestScanSettings::reportsUnwritableFile()
{
    const QString path = QStringLiteral("/nonexistent-dir/Scandata.ini");
    PresetPrompt prompt;
    const ScanSettings settings = loadScanSettings(path, {}, prompt);
    QCOMPARE(settings.port, QString("3"));
    QCOMPARE(prompt.shown, QStringList({"! Kann Datei  " + path + " nicht erzeugen!",
                                        "! Kann Datei  " + path + " nicht lesen!"}));
    prompt.shown.clear();
    QVERIFY(!saveScanSettings(path, settings, prompt));
    QCOMPARE(prompt.shown, QStringList("! Kann in Datei  " + path + " nicht schreiben!"));
}

void TestScanSettings::portField_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("message");

    const QString range = QStringLiteral("! Gültige Port-Werte sind \"1\" .. \"16\"");
    QTest::addRow("first port") << "1" << "/dev/ttyACM0" << "";
    QTest::addRow("second port") << " 2 " << "/dev/ttyUSB0" << "";
    QTest::addRow("device path") << "/dev/ttyS4" << "/dev/ttyS4" << "";
    QTest::addRow("zero") << "0" << "" << range;
    QTest::addRow("seventeen") << "17" << "" << range;
    QTest::addRow("text") << "COM3" << "" << range;
    QTest::addRow("not detected") << "3" << "" << "! Es ist kein Scanner angeschlossen!";
}

void TestScanSettings::portField()
{
    QFETCH(QString, field);
    QFETCH(QString, device);
    QFETCH(QString, message);
    PresetPrompt prompt;
    const auto path = scannerDevicePath(field, {"/dev/ttyACM0", "/dev/ttyUSB0"}, prompt);
    QCOMPARE(path.value_or(QString()), device);
    QCOMPARE(prompt.shown.join('\n'), message);
}

void TestScanSettings::detectsPorts()
{
    QTemporaryDir dev;
    QDir root(dev.path());
    for (const char *name : {"ttyUSB0", "ttyACM10", "ttyACM2", "ttyS0", "ttyACM1"}) {
        QFile file(root.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(root.mkpath("serial/by-id"));
    QVERIFY(QFile::link("../../ttyACM2", root.filePath("serial/by-id/usb-Opticon_OPN2001-if00")));
    const QString base = QFileInfo(dev.path()).canonicalFilePath() + '/';
    QCOMPARE(tekvora::platform::detectSerialPorts(dev.path()),
             QStringList({base + "ttyACM2", base + "ttyACM1", base + "ttyACM10", base + "ttyUSB0"}));
}

QTEST_GUILESS_MAIN(TestScanSettings)
#include "TestScanSettings.moc"
