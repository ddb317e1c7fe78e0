#include <QProcess>
#include <QTest>

class TestScanCommand : public QObject
{
    Q_OBJECT

private slots:
    void dispatch_data();
    void dispatch();
};

void TestScanCommand::dispatch_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("stdoutHas");
    QTest::addColumn<QString>("stderrHas");

    QTest::addRow("overview lists scan") << QStringList{"--help"} << 0 << "  scan" << "";
    QTest::addRow("scan help") << QStringList{"scan", "--help"} << 0 << "Unterbefehle:" << "";
    QTest::addRow("scan without subcommand") << QStringList{"scan"} << 2 << "" << "Aufruf: tekvora-cli scan";
    QTest::addRow("unknown subcommand") << QStringList{"scan", "frob"} << 2 << ""
                                        << "Unbekannter Unterbefehl: scan frob";
}

void TestScanCommand::dispatch()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, stdoutHas);
    QFETCH(QString, stderrHas);

    QProcess cli;
    cli.start(QStringLiteral(TEKVORA_CLI), args);
    QVERIFY(cli.waitForFinished(10000));
    QCOMPARE(cli.exitCode(), exitCode);
    QVERIFY2(QString::fromUtf8(cli.readAllStandardOutput()).contains(stdoutHas), qPrintable(stdoutHas));
    QVERIFY2(QString::fromUtf8(cli.readAllStandardError()).contains(stderrHas), qPrintable(stderrHas));
}

QTEST_GUILESS_MAIN(TestScanCommand)
#include "TestScanCommand.moc"
