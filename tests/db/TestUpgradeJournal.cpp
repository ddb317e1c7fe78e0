#include "db/UpgradeJournal.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tekvora::db;

class TestUpgradeJournal : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Update.0001"));
        QVERIFY(!UpgradeJournal::read(file));
        UpgradeJournal journal;
        journal.oldVersion = 125;
        journal.backupDir = dir.filePath(QStringLiteral("Data0001_125/"));
        journal.stage = UpgradeJournal::Stage::BackedUp;
        QVERIFY(journal.write(file));
        const std::optional<UpgradeJournal> read = UpgradeJournal::read(file);
        QVERIFY(read);
        QCOMPARE(read->oldVersion, 125);
        QCOMPARE(read->newClient, false);
        QCOMPARE(read->backupDir, journal.backupDir);
        QCOMPARE(read->stage, UpgradeJournal::Stage::BackedUp);
        QVERIFY(UpgradeJournal::remove(file));
        QVERIFY(!QFile::exists(file));
        QVERIFY(UpgradeJournal::remove(file));
    }

    void unreadableJournal_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addRow("empty") << QByteArray();
        QTest::addRow("no stage") << QByteArray("Version=125\nSicherung=/x/\n");
        QTest::addRow("unknown stage") << QByteArray("Version=125\nSicherung=/x/\nStand=7\n");
        QTest::addRow("no backup") << QByteArray("Version=125\nStand=2\n");
    }

    void unreadableJournal()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("Update.0001")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        QVERIFY(!UpgradeJournal::read(file.fileName()));
    }
};

QTEST_GUILESS_MAIN(TestUpgradeJournal)
#include "TestUpgradeJournal.moc"
