#include "UpgradeFixture.h"
#include "support/PresetPrompt.h"

#include "app/PrivateDir.h"
#include "app/VersionFile.h"
#include "db/ClientUpgrade.h"
#include "db/UpgradeProgress.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace tekvora;
namespace fx = tekvora::test::upgradefixture;

/// Kills the upgrade at every one of its steps and starts again: the second start must either
/// finish the upgrade or find the old data restored, and never lose a record.
class TestUpgradeCrash : public QObject
{
    Q_OBJECT

private:
    enum class Client { New, Version125, Version125Failing };

    static void prepare(const app::ClientDirs &dirs, Client client)
    {
        if (client != Client::New)
            fx::writeVersion125Client(dirs, 3, client == Client::Version125Failing);
    }

    /// Exit code of the child: 3 when it was stopped at `crashAt`.
    static int runChild(const QString &root, int crashAt, bool answer)
    {
        QProcess child;
        child.start(QStringLiteral(UPGRADE_CRASH_CHILD),
                    {root, QString::number(crashAt), answer ? QStringLiteral("ja") : QStringLiteral("nein")});
        if (!child.waitForFinished(60000))
            return -1;
        return child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
    }

    static bool upgradeInProcess(const app::ClientDirs &clientDirs, bool answer, QList<db::UpgradeStep> *steps = nullptr)
    {
        app::ClientDirs dirs = clientDirs;
        app::PrivateDir privateDir;
        test::PresetPrompt prompt(QList<bool>(8, answer));
        db::UpgradeProgress progress;
        db::ClientUpgrade upgrade(dirs, privateDir, QStringLiteral("test"), prompt, progress);
        if (steps)
            upgrade.stepHook = [steps](db::UpgradeStep step) { steps->append(step); };
        return upgrade.run();
    }

    static QStringList staff(const QString &dataDir)
    {
        QStringList names;
        for (const QVariant &name : fx::column(dataDir, QStringLiteral("SELECT P_Name1 FROM Personal ORDER BY P_ID")))
            names << name.toString();
        return names;
    }

private slots:
    void crashAtEveryStep_data()
    {
        QTest::addColumn<int>("client");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("expectUpgraded");
        QTest::addRow("new client") << int(Client::New) << false << true;
        QTest::addRow("version 125") << int(Client::Version125) << false << true;
        QTest::addRow("version 125, backup deleted") << int(Client::Version125) << true << true;
        QTest::addRow("version 125, aborted and restored") << int(Client::Version125Failing) << true << false;
    }

    void crashAtEveryStep()
    {
        QFETCH(int, client);
        QFETCH(bool, answer);
        QFETCH(bool, expectUpgraded);

        QList<db::UpgradeStep> steps;
        {
            QTemporaryDir root;
            const app::ClientDirs dirs = fx::clientDirs(root.path() + u'/');
            prepare(dirs, Client(client));
            QCOMPARE(upgradeInProcess(dirs, answer, &steps), expectUpgraded);
        }
        // Every step once; of the many alike after each table the first and the last will do.
        const qsizetype firstTable = steps.indexOf(db::UpgradeStep::TableMigrated);
        const qsizetype lastTable = steps.lastIndexOf(db::UpgradeStep::TableMigrated);
        QList<int> crashPoints;
        for (qsizetype i = 0; i < steps.size(); ++i) {
            if (steps.at(i) != db::UpgradeStep::TableMigrated || i == firstTable || i == lastTable)
                crashPoints << int(i) + 1;
        }
        QVERIFY(crashPoints.size() > 3);

        for (int crashAt : crashPoints) {
            QTemporaryDir root;
            const app::ClientDirs dirs = fx::clientDirs(root.path() + u'/');
            prepare(dirs, Client(client));
            QCOMPARE(runChild(dirs.root(), crashAt, answer), 3);

            const bool upgraded = upgradeInProcess(dirs, answer);
            QCOMPARE(upgraded, expectUpgraded);
            QVERIFY2(!QFileInfo::exists(db::ClientUpgrade::journalFile(dirs)), qPrintable(QString::number(crashAt)));
            if (Client(client) == Client::New) {
                QCOMPARE(app::readDatabaseVersion(dirs), 126);
                QCOMPARE(staff(dirs.dataDir()), QStringList());
                continue;
            }
            QCOMPARE(app::readDatabaseVersion(dirs), expectUpgraded ? 126 : 125);
            QCOMPARE(staff(dirs.dataDir()), QStringList({"Müller 1", "Müller 2", "Müller 3"}));
            if (expectUpgraded)
                QCOMPARE(fx::column(dirs.dataDir(), QStringLiteral("SELECT F_NameIntern FROM Firmen")),
                         QVariantList({"Alte Firma"}));
        }
    }
};

QTEST_GUILESS_MAIN(TestUpgradeCrash)
#include "TestUpgradeCrash.moc"
