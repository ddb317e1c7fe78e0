#include "platform/SingleInstanceLock.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using tekvora::platform::SingleInstanceLock;

class TestSingleInstanceLock : public QObject
{
    Q_OBJECT

private slots:
    void sameNameExcludes();
    void otherNamesDoNot();
    void lockOfAnEndedCopyIsTakenOver();
};

void TestSingleInstanceLock::sameNameExcludes()
{
    QTemporaryDir temp;
    SingleInstanceLock first(temp.path() + "/cfg", "Tekvora v1.31 [036]");
    SingleInstanceLock second(temp.path() + "/cfg", "Tekvora v1.31 [036]");
    QVERIFY(first.tryAcquire());
    QVERIFY(QFile::exists(temp.path() + "/cfg/Tekvora v1.31 [036].lck"));
    QVERIFY(!second.tryAcquire());
    first.release();
    QVERIFY(second.tryAcquire());
}

void TestSingleInstanceLock::otherNamesDoNot()
{
    QTemporaryDir temp;
    SingleInstanceLock first(temp.path(), "Tekvora v1.31 [036]");
    SingleInstanceLock other(temp.path(), "Tekvora v1.32 [040]");
    SingleInstanceLock slash(temp.path(), "Tekvora 1/2");
    QVERIFY(first.tryAcquire());
    QVERIFY(other.tryAcquire());
    QVERIFY(slash.tryAcquire());
    QCOMPARE(slash.lockFilePath(), temp.path() + "/Tekvora 1_2.lck");
}

void TestSingleInstanceLock::lockOfAnEndedCopyIsTakenOver()
{
    QTemporaryDir temp;
    QFile stale(temp.path() + "/Tekvora v1.31 [036].lck");
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write("999999999\nTekvora\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();
    SingleInstanceLock lock(temp.path(), "Tekvora v1.31 [036]");
    QVERIFY(lock.tryAcquire());
}

QTEST_GUILESS_MAIN(TestSingleInstanceLock)
#include "TestSingleInstanceLock.moc"
