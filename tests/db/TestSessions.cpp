#include "db/Database.h"
#include "db/SessionMarker.h"
#include "db/SqlHelpers.h"
#include "db/TDataModule1.h"
#include "support/PresetPrompt.h"
#include "support/TempDatabase.h"

#include <QProcess>
#include <QTest>

using namespace tekvora::db;

class TestSessions : public QObject
{
    Q_OBJECT

private slots:
    void secondCopyReadsAndWritesAndCounts_data();
    void secondCopyReadsAndWritesAndCounts();
    void dataModuleClosesAndReopens();
};

void TestSessions::secondCopyReadsAndWritesAndCounts_data()
{
    QTest::addColumn<bool>("killed");
    QTest::addRow("ends") << false;
    QTest::addRow("is killed") << true;
}

void TestSessions::secondCopyReadsAndWritesAndCounts()
{
    QFETCH(bool, killed);
    tekvora::test::TempDatabase store;
    SessionMarker session(store.dataDir());
    QVERIFY(session.isHeld());
    QCOMPARE(connectedUsers(store.dataDir()), 1);
    QVERIFY(execute("insert into Banken (BankName) values ('Erste Kopie')").ok);

    QProcess second;
    second.start(SESSION_HOLDER, {store.dataDir()});
    QVERIFY(second.waitForReadyRead(10000));
    QCOMPARE(second.readLine().trimmed(), QByteArray("bereit 2"));
    QCOMPARE(connectedUsers(store.dataDir()), 2);
    // Each copy sees what the other wrote, while both run.
    QCOMPARE(lookupInt("select count(*) as n from Banken where BankName='Zweite Kopie'", "n", -1), 1);
    QVERIFY(execute("insert into Banken (BankName) values ('Noch eine')").ok);
    second.write("?\n");
    QVERIFY(second.waitForReadyRead(10000));
    QCOMPARE(second.readLine().trimmed(), QByteArray("3"));

    if (killed) {
        second.kill();
    } else {
        second.closeWriteChannel();
    }
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(connectedUsers(store.dataDir()), 1);
}

void TestSessions::dataModuleClosesAndReopens()
{
    QString dataDir;
    {
        tekvora::test::TempDatabase store(QStringLiteral("Vorlage"));
        dataDir = store.dataDir();
        QVERIFY(execute("insert into Personal (P_ID, P_Nr, P_Aktiv, P_OptTourplan) values (1, 1, 1, 0), "
                        "(2, 2, 0, 0)", store.database()).ok);
        closeDatabase(QStringLiteral("Vorlage"));

        TDataModule1 module;
        tekvora::test::PresetPrompt prompt;
        QVERIFY(module.create(dataDir, prompt));
        QVERIFY(prompt.shown.isEmpty());
        QCOMPARE(module.connectedUsers(), 1);
        QVERIFY(!module.TabPersonal->isOpen());
        QVERIFY(module.TabPersonal->open());
        QCOMPARE(module.TabPersonal->recordCount(), 1);
        QCOMPARE(module.TabPersonal->displayText("P_Aktiv"), QStringLiteral("Ja"));
        QVERIFY(module.TabObjekt->open());
        QCOMPARE(module.TabObjekt->indexName(), QStringLiteral("O_INr"));

        module.closeAll();
        QVERIFY(!module.TabPersonal->isOpen());
        QVERIFY(!QSqlDatabase::contains(kConnectionName));
        QVERIFY(module.reopenAll());
        QVERIFY(module.TabPersonal->isOpen());
        QVERIFY(module.TabObjekt->isOpen());
        QVERIFY(!module.TabTaetig->isOpen());
        QCOMPARE(module.TabPersonal->recordCount(), 1);
    }
    QVERIFY(!QSqlDatabase::contains(kConnectionName));
}

QTEST_GUILESS_MAIN(TestSessions)
#include "TestSessions.moc"
