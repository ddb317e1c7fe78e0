#include "EmulatedScanner.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using tekvora::test::EmulatedScanner;

/// tekvora-cli scan read|clock|clear|discard against an emulated scanner.
class TestScanCli : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void readRefuseAndDiscard();
    void clockAndClear();
    void badPortTouchesNothing_data();
    void badPortTouchesNothing();

private:
    struct Run
    {
        int exitCode;
        QString out;
        QString err;
    };
    Run cli(const QStringList &args) const;
    QString scanFile() const { return m_root->filePath("Scan0001/Scanimp.txt"); }

    std::unique_ptr<QTemporaryDir> m_root;
};

void TestScanCli::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    const QString dataDir = m_root->filePath("Data0001");
    QVERIFY(QDir().mkpath(dataDir));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "scan-cli-setup");
        db.setDatabaseName(QDir(dataDir).filePath("Tekvora.sqlite"));
        QVERIFY(db.open());
        QSqlQuery query(db);
        QVERIFY(query.exec("CREATE TABLE Scandev (SV_ID INTEGER PRIMARY KEY, SV_Type INTEGER, SV_ScannerID INTEGER, "
                           "SV_Zuletztgelesen TEXT, SV_Bindung INTEGER)"));
        QVERIFY(query.exec("INSERT INTO Scandev VALUES (1, 1, 12345678, NULL, 0)"));
        db.close();
    }
    QSqlDatabase::removeDatabase("scan-cli-setup");
}

TestScanCli::Run TestScanCli::cli(const QStringList &args) const
{
    QProcess process;
    process.start(QStringLiteral(TEKVORA_CLI), QStringList{"--root", m_root->path()} + args);
    process.waitForFinished(20000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

void TestScanCli::readRefuseAndDiscard()
{
    EmulatedScanner scanner;
    QVERIFY(scanner.opened);
    scanner.emulator.addBarcode(QDateTime({2026, 12, 10}, {7, 30, 12}), "ON1234");
    scanner.emulator.addBarcode(QDateTime({2026, 12, 10}, {7, 31, 0}), "MA17");

    Run run = cli({"scan", "read", "--port", scanner.devicePath(), "--no-clear"});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains("Barcodes: 2\nGeräte-ID: 12345678\n"), qPrintable(run.out));
    QVERIFY(run.out.contains("Zeitsynchronisation durchgeführt"));
    QFile file(scanFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("SC_ID:12345678\r\n10.12.2026 07:30 ON1234\r\n10.12.2026 07:31 MA17\r\n"));
    file.close();
    QCOMPARE(scanner.emulator.barcodes().size(), 2);

    run = cli({"scan", "read", "--port", scanner.devicePath()});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains("ist noch nicht verarbeitet"), qPrintable(run.err));
    QCOMPARE(scanner.emulator.barcodes().size(), 2);

    run = cli({"--no", "scan", "discard"});
    QCOMPARE(run.exitCode, 1);
    QVERIFY(QFile::exists(scanFile()));
    run = cli({"--yes", "scan", "discard"});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.contains("Wollen Sie die Importdatei wirklich löschen? -> Ja"));
    QVERIFY(!QFile::exists(scanFile()));
}

void TestScanCli::clockAndClear()
{
    EmulatedScanner scanner;
    QVERIFY(scanner.opened);
    scanner.emulator.setClock(QDateTime({2030, 1, 1}, {0, 0, 0}));
    scanner.emulator.addBarcode(QDateTime({2026, 12, 10}, {7, 30, 12}), "ON1234");

    Run run = cli({"scan", "clock", "--port", scanner.devicePath()});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains("Uhrzeit wurde auf "), qPrintable(run.out));
    QVERIFY(qAbs(scanner.emulator.clock().secsTo(QDateTime::currentDateTime())) <= 5);

    run = cli({"scan", "clear", "--port", scanner.devicePath()});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.contains("Scannerspeicher wurde gelöscht"));
    QVERIFY(scanner.emulator.barcodes().isEmpty());

    run = cli({"scan", "clear", "--port", scanner.devicePath()});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err, QString("Keine Barcodes gespeichert!\n"));
}

void TestScanCli::badPortTouchesNothing_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addRow("read at 0") << QStringList{"scan", "read", "--port", "0"};
    QTest::addRow("clock at 17") << QStringList{"scan", "clock", "--port", "17"};
    QTest::addRow("clear at 17") << QStringList{"scan", "clear", "--port", "17"};
}

void TestScanCli::badPortTouchesNothing()
{
    QFETCH(QStringList, args);
    const Run run = cli(args);
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.err, QString("Gültige Port-Werte sind \"1\" .. \"16\"\n"));
    QVERIFY(!QFile::exists(scanFile()));
}

QTEST_GUILESS_MAIN(TestScanCli)
#include "TestScanCli.moc"
