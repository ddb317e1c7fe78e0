#include "UpgradeFixture.h"

#include "app/VersionFile.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace tekvora;
namespace fx = tekvora::test::upgradefixture;

/// "tekvora-cli init": the database check and upgrade without windows.
class TestInitUpgrade : public QObject
{
    Q_OBJECT

private:
    struct Result
    {
        int exitCode = -1;
        QString out;
        QString err;
    };

    static Result init(const QString &root, const QStringList &flags = {})
    {
        QProcess cli;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), root + QStringLiteral("config"));
        cli.setProcessEnvironment(env);
        cli.start(QStringLiteral(TEKVORA_CLI), QStringList{QStringLiteral("--root"), root} + flags + QStringList{"init"});
        cli.waitForFinished(60000);
        return {cli.exitCode(), QString::fromUtf8(cli.readAllStandardOutput()),
                QString::fromUtf8(cli.readAllStandardError())};
    }

private slots:
    void createsANewClient()
    {
        QTemporaryDir root;
        const app::ClientDirs dirs = fx::clientDirs(root.path() + u'/');
        const Result result = init(dirs.root());
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.out.contains(QStringLiteral("\nAnpassung der Datenbanken:\nNeuer Mandant 0001 wird angelegt.\n")));
        QVERIFY(result.out.contains(QStringLiteral("Datenbanken werden angelegt.\n")));
        QCOMPARE(app::readDatabaseVersion(dirs), 126);
        QVERIFY(QFileInfo(dirs.root() + QStringLiteral("Data0001_000")).isDir());

        const Result again = init(dirs.root());
        QCOMPARE(again.exitCode, 0);
        QVERIFY(!again.out.contains(QStringLiteral("Anpassung")));
    }

    void backupCopiesFollowTheFlag_data()
    {
        QTest::addColumn<QStringList>("flags");
        QTest::addColumn<bool>("kept");
        QTest::addRow("no flag keeps them") << QStringList() << true;
        QTest::addRow("--no keeps them") << QStringList({"--no"}) << true;
        QTest::addRow("--yes deletes them") << QStringList({"--yes"}) << false;
    }

    void backupCopiesFollowTheFlag()
    {
        QFETCH(QStringList, flags);
        QFETCH(bool, kept);
        QTemporaryDir root;
        const app::ClientDirs dirs = fx::clientDirs(root.path() + u'/');
        fx::writeVersion125Client(dirs);
        const Result result = init(dirs.root(), flags);
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.out.contains(QStringLiteral("\n  Personal:           3\n")));
        QCOMPARE(app::readDatabaseVersion(dirs), 126);
        QCOMPARE(QFileInfo(dirs.root() + QStringLiteral("Data0001_125")).isDir(), kept);
    }

    void failureEndsWithExitCode1()
    {
        QTemporaryDir root;
        const app::ClientDirs dirs = fx::clientDirs(root.path() + u'/');
        fx::writeTextFile(dirs.dataDir() + QStringLiteral("Tekvora.sqlite"), QByteArray(4096, 'x'));
        fx::writeTextFile(dirs.versionFile(), "125");
        const Result result = init(dirs.root());
        QCOMPARE(result.exitCode, 1);
        QVERIFY(result.err.contains(QStringLiteral("Datenbank SrcDB kann nicht in\n")));
        QVERIFY(result.err.endsWith(QStringLiteral("Datenbanken können nicht erzeugt/angepasst werden!\n")));
        QCOMPARE(fx::readFile(dirs.dataDir() + QStringLiteral("Tekvora.sqlite")), QByteArray(4096, 'x'));
    }
};

QTEST_GUILESS_MAIN(TestInitUpgrade)
#include "TestInitUpgrade.moc"
