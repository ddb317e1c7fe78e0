#include "app/ClientDirs.h"
#include "app/ClientSetup.h"
#include "app/PrivateDir.h"
#include "app/TextFile.h"
#include "support/PresetPrompt.h"

#include <QDir>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tekvora::app;
using tekvora::test::PresetPrompt;

class TestClientSetup : public QObject
{
    Q_OBJECT

private slots:
    void freshRootGetsTheDirectorySet();
    void derivationCreatesOnlyItsDirectories();
    void dataDirectoryThatCannotBeCreatedIsFatal();
    void otherDirectoriesOnlyTell();
    void privateDirectorySkipsARunningCopy();
    void privateDirectoryOfAnEndedCopyIsReused();
    void privateDirectoryStaysWithinAProcess();
};

void TestClientSetup::freshRootGetsTheDirectorySet()
{
    QTemporaryDir temp;
    ClientDirs dirs(temp.path() + "/root", 1, temp.path() + "/cfg");
    PrivateDir privateDir;
    PresetPrompt prompt;

    QVERIFY(prepareClientDirs(dirs, privateDir, prompt));
    QCOMPARE(prompt.shown, QStringList());
    for (const char *name : {"Netdir", "Privates/Priv0001", "Data0001", "DTBU0001", "IMEX0001", "QRFD0001",
                             "Scan0001", "Temp", "Sounds"})
        QVERIFY2(QFileInfo(dirs.root() + name).isDir(), name);
    QVERIFY(!QFileInfo::exists(dirs.textBlockDir()));
    QCOMPARE(dirs.privateDir(), dirs.root() + "Privates/Priv0001/");
    QCOMPARE(readTextLines(dirs.pathsFile(), 3).value(), (QStringList{QDir::homePath() + "/", dirs.defaultBackupDir()}));
    QCOMPARE(dirs.backupDir(), dirs.defaultBackupDir());
}

void TestClientSetup::derivationCreatesOnlyItsDirectories()
{
    QTemporaryDir temp;
    ClientDirs dirs(temp.path(), 1, temp.path() + "/cfg");
    PrivateDir privateDir;
    deriveClientDirs(dirs, privateDir);
    const QStringList created = QDir(temp.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    QCOMPARE(created, (QStringList{"IMEX0001", "Netdir", "Privates", "Scan0001", "Sounds", "Temp"}));
}

void TestClientSetup::dataDirectoryThatCannotBeCreatedIsFatal()
{
    QTemporaryDir temp;
    QFile blocker(temp.path() + "/root");
    QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the root should be
    blocker.close();
    ClientDirs dirs(blocker.fileName(), 1, temp.path() + "/cfg");
    PrivateDir privateDir;
    PresetPrompt prompt;

    QVERIFY(!prepareClientDirs(dirs, privateDir, prompt));
    QCOMPARE(prompt.shown, (QStringList{
                               "! Das Verzeichnis\n" + dirs.netDir() + "\nkonnte nicht angelegt werden.",
                               "! Das Verzeichnis\n" + dirs.dataDir() + "\nkonnte nicht angelegt werden.",
                           }));
    QVERIFY(!QFileInfo::exists(dirs.pathsFile()));
}

void TestClientSetup::otherDirectoriesOnlyTell()
{
    QTemporaryDir temp;
    ClientDirs dirs(temp.path(), 1, temp.path() + "/cfg");
    QFile blocker(dirs.printFormDir().chopped(1));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    PrivateDir privateDir;
    PresetPrompt prompt;

    QVERIFY(prepareClientDirs(dirs, privateDir, prompt));
    QCOMPARE(prompt.shown,
             QStringList{"! Das Verzeichnis\n" + dirs.printFormDir() + "\nkonnte nicht angelegt werden."});
}

void TestClientSetup::privateDirectorySkipsARunningCopy()
{
    QTemporaryDir temp;
    ClientDirs dirs(temp.path(), 1, temp.path() + "/cfg");
    QVERIFY(QDir().mkpath(dirs.privatesDir() + "Priv0001"));
    QLockFile otherCopy(dirs.privatesDir() + "Priv0001/" + PrivateDir::lockFileName());
    QVERIFY(otherCopy.tryLock(0));
    QFile work(dirs.privatesDir() + "Priv0001/work.tmp");
    QVERIFY(work.open(QIODevice::WriteOnly));
    work.close();

    PrivateDir privateDir;
    deriveClientDirs(dirs, privateDir);
    QCOMPARE(dirs.privateDir(), dirs.privatesDir() + "Priv0002/");
    QVERIFY(QFile::exists(work.fileName()));
}

void TestClientSetup::privateDirectoryOfAnEndedCopyIsReused()
{
    QTemporaryDir temp;
    ClientDirs dirs(temp.path(), 1, temp.path() + "/cfg");
    const QString left = dirs.privatesDir() + "Priv0001/";
    QVERIFY(QDir().mkpath(left + "sub"));
    QFile leftover(left + "sub/PDOXUSRS.LCK");
    QVERIFY(leftover.open(QIODevice::WriteOnly));
    leftover.close();
    QVERIFY(QFile::link(temp.path(), left + "link-out"));

    PrivateDir privateDir;
    deriveClientDirs(dirs, privateDir);
    QCOMPARE(dirs.privateDir(), left);
    QCOMPARE(QDir(left).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
             QStringList{PrivateDir::lockFileName()});
    QVERIFY(QFileInfo(dirs.netDir()).isDir()); // the link's target was not touched
}

void TestClientSetup::privateDirectoryStaysWithinAProcess()
{
    QTemporaryDir temp;
    ClientDirs dirs(temp.path(), 1, temp.path() + "/cfg");
    PrivateDir privateDir;
    deriveClientDirs(dirs, privateDir);
    deriveClientDirs(dirs, privateDir);
    QCOMPARE(dirs.privateDir(), dirs.privatesDir() + "Priv0001/");

    PrivateDir second;
    QVERIFY(second.acquire(dirs.privatesDir()));
    QCOMPARE(second.path(), dirs.privatesDir() + "Priv0002/");
    privateDir.release();
    PrivateDir third;
    QVERIFY(third.acquire(dirs.privatesDir()));
    QCOMPARE(third.path(), dirs.privatesDir() + "Priv0001/");
}

QTEST_GUILESS_MAIN(TestClientSetup)
#include "TestClientSetup.moc"
