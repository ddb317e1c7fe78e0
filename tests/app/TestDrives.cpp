#include "app/Drives.h"
#include "app/PathUtils.h"

#include <QtTest>

using namespace tekvora::app;

class TestDrives : public QObject
{
    Q_OBJECT

private slots:
    void driveTypes();
    void missingLevelsLieOnTheExistingPart();
    void slashes();
    void createPath();
};

void TestDrives::driveTypes()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QCOMPARE(driveType(""), DriveType::Unknown);
    QCOMPARE(driveType("   "), DriveType::Unknown);
    QCOMPARE(driveType("relative/path"), DriveType::NoRoot);
    QVERIFY(!driveUsable(""));
    QVERIFY(!driveUsable("relative/path"));
    QVERIFY(driveUsable(dir.path()));
    QVERIFY(freeSpaceKiB(dir.path()) > 0);
    QCOMPARE(freeSpaceKiB("relative/path"), qint64(-1));
    if (QFileInfo::exists("/mnt"))
        QCOMPARE(driveType("/mnt/stick/backup"), DriveType::Removable);
}

void TestDrives::missingLevelsLieOnTheExistingPart()
{
    QTemporaryDir dir;
    const QString missing = dir.filePath("not/yet/there");
    QVERIFY(driveUsable(missing));
    QCOMPARE(driveType(missing), driveType(dir.path()));
    QCOMPARE(freeSpaceKiB(missing) > 0, true);
}

void TestDrives::slashes()
{
    QCOMPARE(withSlash("/data"), "/data/");
    QCOMPARE(withSlash("/data/"), "/data/");
    QCOMPARE(withSlash(""), "/");
    QCOMPARE(withoutSlash("/data/"), "/data");
    QCOMPARE(withoutSlash("/data"), "/data");
    QCOMPARE(withoutSlash(""), "");
}

void TestDrives::createPath()
{
    QTemporaryDir dir;
    const QString deep = dir.filePath("a/b/c");
    QVERIFY(tekvora::app::createPath(deep));
    QVERIFY(QDir(deep).exists());
    QVERIFY(tekvora::app::createPath(deep));
    QVERIFY(!tekvora::app::createPath(""));

    QFile blocker(dir.filePath("file"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QVERIFY(!tekvora::app::createPath(dir.filePath("file/sub")));
}

QTEST_GUILESS_MAIN(TestDrives)
#include "TestDrives.moc"
