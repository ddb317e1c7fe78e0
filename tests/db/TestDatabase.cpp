#include "db/Database.h"
#include "db/Schema.h"
#include "support/PresetPrompt.h"

#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace tekvora::db;

class TestDatabase : public QObject
{
    Q_OBJECT

private slots:
    void createsThenOpens();
    void neverCreatesOverABrokenStore_data();
    void neverCreatesOverABrokenStore();
    void missingStoreIsNotCreatedByOpen();
    void failureMessageNamesAliasAndPath();
    void openingAddsIndexesAnOlderStoreLacks();
};

void TestDatabase::createsThenOpens()
{
    QTemporaryDir dir;
    QVERIFY(openOrCreateClientDatabase(dir.path()).ok);
    QVERIFY(tableExists("Firmen.db", database()));
    QSqlQuery query(database());
    QVERIFY(query.exec("PRAGMA journal_mode"));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toString(), QStringLiteral("wal"));
    QVERIFY(query.exec("update Firmen set F_Name1='Tekvora GmbH'"));
    query.finish();
    closeDatabase();

    QVERIFY(openOrCreateClientDatabase(dir.path()).ok);
    QSqlQuery again(database());
    QVERIFY(again.exec("select F_Name1 from Firmen"));
    QVERIFY(again.next());
    QCOMPARE(again.value(0).toString(), QStringLiteral("Tekvora GmbH"));
    again.finish();
    closeDatabase();
}

void TestDatabase::neverCreatesOverABrokenStore_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addRow("not a database") << QByteArray("This is a text file, not a database at all.\n").repeated(200);
    QTest::addRow("empty header") << QByteArray(4096, '\0');
}

void TestDatabase::neverCreatesOverABrokenStore()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    QFile file(databaseFilePath(dir.path()));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    tekvora::test::PresetPrompt prompt;
    QVERIFY(!openMainDatabase(dir.path(), prompt));
    QCOMPARE(prompt.shown.size(), 1);
    QVERIFY(!openOrCreateClientDatabase(dir.path()).ok);
    QVERIFY(!QSqlDatabase::contains(kConnectionName));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), content);
}

void TestDatabase::missingStoreIsNotCreatedByOpen()
{
    QTemporaryDir dir;
    const DbResult result = openDatabase(kConnectionName, dir.path());
    QVERIFY(!result.ok);
    QVERIFY(!result.error.isEmpty());
    QVERIFY(!databaseFileExists(dir.path()));
}

void TestDatabase::failureMessageNamesAliasAndPath()
{
    QTemporaryDir dir;
    QFile file(databaseFilePath(dir.path()));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("garbage").repeated(1000));
    file.close();
    tekvora::test::PresetPrompt prompt;
    QVERIFY(!openMainDatabase(dir.path(), prompt));
    const QString expectedStart = "! Datenbank-Alias (Daten)Vidizavid\nin Pfad:" + dir.path()
                                + "\nkann nicht erstellt werden!\nMessage: ";
    QVERIFY2(prompt.shown.value(0).startsWith(expectedStart), qPrintable(prompt.shown.value(0)));
    QVERIFY(prompt.shown.value(0).size() > expectedStart.size());
}

void TestDatabase::openingAddsIndexesAnOlderStoreLacks()
{
    QTemporaryDir dir;
    QVERIFY(openOrCreateClientDatabase(dir.path()).ok);
    {
        // An older store: one index never made, and a unique one missing over a site number given twice.
        QSqlQuery query(database());
        QVERIFY(query.exec("DROP INDEX MdePJ_I_PTaetigNr"));
        QVERIFY(query.exec("DROP INDEX Objekte_O_INr"));
        QVERIFY(query.exec("INSERT INTO Objekte (O_ID, O_Nr) VALUES (1, 7), (2, 7)"));
    }
    closeDatabase();

    tekvora::test::PresetPrompt prompt;
    QVERIFY(openMainDatabase(dir.path(), prompt));
    QSqlQuery query(database());
    QVERIFY(query.exec("SELECT name FROM sqlite_master WHERE type = 'index' AND name IN"
                       " ('MdePJ_I_PTaetigNr', 'Objekte_O_INr')"));
    QStringList indexes;
    while (query.next())
        indexes << query.value(0).toString();
    QCOMPARE(indexes, QStringList{"MdePJ_I_PTaetigNr"});
    QVERIFY(query.exec("SELECT count(*) FROM Objekte WHERE O_Nr = 7") && query.next());
    QCOMPARE(query.value(0).toInt(), 2);
    QVERIFY(prompt.shown.isEmpty());
    query.finish();
    closeDatabase();
}

QTEST_GUILESS_MAIN(TestDatabase)
#include "TestDatabase.moc"
