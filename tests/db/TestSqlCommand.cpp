#include "db/Database.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestSqlCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void writesCdfLines();
    void writesWindows1252File();
    void errorsExitWithTheStoresMessage_data();
    void errorsExitWithTheStoresMessage();

private:
    int run(const QStringList &args, QByteArray *out = nullptr, QByteArray *err = nullptr);
    QTemporaryDir m_root;
};

int TestSqlCommand::run(const QStringList &args, QByteArray *out, QByteArray *err)
{
    QProcess cli;
    cli.start(TEKVORA_CLI, QStringList{"--root", m_root.path()} + args);
    cli.waitForFinished(20000);
    if (out)
        *out = cli.readAllStandardOutput();
    if (err)
        *err = cli.readAllStandardError();
    return cli.exitCode();
}

void TestSqlCommand::initTestCase()
{
    const QString dataDir = QDir(m_root.path()).filePath("Data0001");
    QVERIFY(tekvora::db::createDatabase("Setup", dataDir).ok);
    tekvora::db::closeDatabase("Setup");
    QCOMPARE(run({"exec", "insert into Personal (P_ID, P_Nr, P_Name1, P_Aktiv, P_Eintritt, P_Kinder, P_Memo) "
                          "values (1, 12, 'Müller; O''Neill', 'true', '01.02.2024', 1.5, 'Notiz')"}),
             0);
    QCOMPARE(run({"exec", "insert into Personal (P_ID, P_Nr, P_Name1, P_Aktiv) values (2, 13, 'Ärger €', 'false')"}),
             0);
    QCOMPARE(run({"exec", "update Scandev set SV_Name='x'"}), 0);
}

void TestSqlCommand::writesCdfLines()
{
    QByteArray out;
    QCOMPARE(run({"sql", "select P_Nr, P_Name1, P_Aktiv, P_Eintritt, P_Kinder, P_Memo from Personal.DB order by P_Nr",
                  "--header"},
                 &out),
             0);
    // The memo field is left out, separator included.
    QCOMPARE(QString::fromUtf8(out), QStringLiteral("P_Nr;P_Name1;P_Aktiv;P_Eintritt;P_Kinder;\r\n"
                                                    "12;Müller; O'Neill;J;01.02.2024;1,5;\r\n"
                                                    "13;Ärger €;N;;;\r\n"));
    QCOMPARE(run({"sql", "select count(*) from Personal where P_Aktiv='true'"}, &out), 0);
    QCOMPARE(out, QByteArray("1;\r\n"));
}

void TestSqlCommand::writesWindows1252File()
{
    const QString file = QDir(m_root.path()).filePath("export.cdf");
    QCOMPARE(run({"sql", "select P_Name1 from Personal where P_Nr=13", "--out", file}), 0);
    QFile exported(file);
    QVERIFY(exported.open(QIODevice::ReadOnly));
    QCOMPARE(exported.readAll(), QByteArray("\xC4rger \x80;\r\n"));
}

void TestSqlCommand::errorsExitWithTheStoresMessage_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::addRow("syntax") << QStringList{"sql", "select * fron Personal"} << 1 << "syntax error";
    QTest::addRow("unknown table") << QStringList{"exec", "delete from Gibtsnicht"} << 1 << "no such table";
    QTest::addRow("no query") << QStringList{"sql"} << 2 << "Keine Abfrage";
}

void TestSqlCommand::errorsExitWithTheStoresMessage()
{
    QFETCH(QStringList, args);
    QFETCH(int, code);
    QFETCH(QString, message);
    QByteArray err;
    QCOMPARE(run(args, nullptr, &err), code);
    QVERIFY2(QString::fromUtf8(err).contains(message), err.constData());
    QByteArray out;
    QCOMPARE(run({"sql", "select count(*) from Personal"}, &out), 0);
    QCOMPARE(out, QByteArray("2;\r\n"));
}

QTEST_GUILESS_MAIN(TestSqlCommand)
#include "TestSqlCommand.moc"
