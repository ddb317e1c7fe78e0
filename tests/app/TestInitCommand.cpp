#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestInitCommand : public QObject
{
    Q_OBJECT

private slots:
    void preparesAFreshRoot();
    void rootFromEnvironment();
    void failureIsReported();
    void wrongArguments_data();
    void wrongArguments();

private:
    struct Result
    {
        int exitCode;
        QString out;
        QString err;
    };
    Result run(const QStringList &args, const QString &tekvoraRoot = {});
    QTemporaryDir m_temp;
};

TestInitCommand::Result TestInitCommand::run(const QStringList &args, const QString &tekvoraRoot)
{
    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", m_temp.path() + "/cfg");
    env.insert("XDG_DATA_HOME", m_temp.path() + "/xdg");
    env.insert("TEKVORA_ROOT", tekvoraRoot);
    cli.setProcessEnvironment(env);
    cli.start(QStringLiteral(TEKVORA_CLI), args);
    if (!cli.waitForFinished(20000))
        return {-1, {}, {}};
    return {cli.exitCode(), QString::fromUtf8(cli.readAllStandardOutput()),
            QString::fromUtf8(cli.readAllStandardError())};
}

void TestInitCommand::preparesAFreshRoot()
{
    const QString root = m_temp.path() + "/fresh";
    const Result result = run({"--root", root, "init"});
    QCOMPARE(result.exitCode, 0);
    // The directories come first; the database check and upgrade report after them.
    QVERIFY2(result.out.startsWith("Mandant 0001 vorbereitet: " + root + "/\n"), qPrintable(result.out));
    for (const char *dir : {"Netdir", "Privates/Priv0001", "Data0001", "DTBU0001", "IMEX0001", "QRFD0001",
                            "Scan0001", "Temp", "Sounds"})
        QVERIFY2(QFileInfo(root + "/" + dir).isDir(), dir);
    QFile paths(root + "/Pfade.0001");
    QVERIFY(paths.open(QIODevice::ReadOnly));
    QCOMPARE(paths.readAll(), (QDir::homePath() + "/\r\n" + root + "/DTBU0001/\r\n").toUtf8());

    QCOMPARE(run({"--root", root, "init"}).exitCode, 0); // again: nothing to do, still fine
}

void TestInitCommand::rootFromEnvironment()
{
    QCOMPARE(run({"init"}, m_temp.path() + "/env").exitCode, 0);
    QVERIFY(QFileInfo(m_temp.path() + "/env/Data0001").isDir());
    QCOMPARE(run({"init"}).exitCode, 0);
    QVERIFY(QFileInfo(m_temp.path() + "/xdg/tekvora/Data0001").isDir());
}

void TestInitCommand::failureIsReported()
{
    QFile blocker(m_temp.path() + "/blocker");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const Result result = run({"--root", blocker.fileName(), "init"});
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.err.contains("Das Verzeichnis\n" + blocker.fileName() + "/Data0001/\nkonnte nicht angelegt werden."),
             qPrintable(result.err));
    QVERIFY(result.err.contains("Der Mandant 0001 kann nicht vorbereitet werden."));
}

void TestInitCommand::wrongArguments_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");
    QTest::addRow("help") << QStringList{"init", "--help"} << 0 << "Aufruf: tekvora-cli";
    QTest::addRow("extra argument") << QStringList{"init", "x"} << 2 << "Unbekanntes Argument: x";
}

void TestInitCommand::wrongArguments()
{
    QFETCH(QStringList, args);
    QFETCH(QString, output);
    const Result result = run(QStringList{"--root", m_temp.path() + "/w"} + args);
    QTEST(result.exitCode, "exitCode");
    QVERIFY2((result.out + result.err).contains(output), qPrintable(result.out + result.err));
}

QTEST_GUILESS_MAIN(TestInitCommand)
#include "TestInitCommand.moc"
