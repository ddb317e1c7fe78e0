#include <QProcess>
#include <QTest>

class TestCliMain : public QObject
{
    Q_OBJECT

private slots:
    void exitCodes_data();
    void exitCodes();
};

void TestCliMain::exitCodes_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("stdoutHas");
    QTest::addColumn<QString>("stderrHas");

    QTest::addRow("help") << QStringList{"--help"} << 0 << "Befehle:" << "";
    QTest::addRow("version") << QStringList{"--version"} << 0 << "Tekvora v1.31 [036]" << "";
    QTest::addRow("no command") << QStringList{} << 2 << "" << "Aufruf:";
    QTest::addRow("unknown command") << QStringList{"frobnicate"} << 2 << "" << "Unbekannter Befehl: frobnicate";
    QTest::addRow("unknown option") << QStringList{"--frob"} << 2 << "" << "Unbekannte Option: --frob";
    QTest::addRow("root without dir") << QStringList{"--root"} << 2 << "" << "--root braucht ein Verzeichnis.";
}

void TestCliMain::exitCodes()
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

QTEST_GUILESS_MAIN(TestCliMain)
#include "TestCliMain.moc"
