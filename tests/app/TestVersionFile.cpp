#include "app/ClientDirs.h"
#include "app/VersionFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace tekvora::app;

class TestVersionFile : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void missingFileIsZero();
    void writeThenRead();
};

void TestVersionFile::read_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("version");

    QTest::addRow("current") << QByteArray("126\r\n") << 126;
    QTest::addRow("blanks and LF") << QByteArray("  125  \nrest\n") << 125;
    QTest::addRow("no line end") << QByteArray("99") << 99;
    QTest::addRow("abc") << QByteArray("abc\r\n") << 0;
    QTest::addRow("number then text") << QByteArray("126a\n") << 0;
    QTest::addRow("second line only") << QByteArray("\n126\n") << 0;
    QTest::addRow("empty") << QByteArray() << 0;
    QTest::addRow("binary") << QByteArray("\x00\xff\x13\x80", 4) << 0;
    QTest::addRow("huge") << QByteArray(2 * 1024 * 1024, '7') << 0;
}

void TestVersionFile::read()
{
    QFETCH(QByteArray, content);
    QTemporaryDir temp;
    const ClientDirs dirs(temp.path(), 1, temp.path());
    QVERIFY(QDir().mkpath(dirs.dataDir()));
    QFile file(dirs.versionFile());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    QTEST(readDatabaseVersion(dirs), "version");
}

void TestVersionFile::missingFileIsZero()
{
    QTemporaryDir temp;
    QCOMPARE(readDatabaseVersion(ClientDirs(temp.path(), 1, temp.path())), 0);
}

void TestVersionFile::writeThenRead()
{
    QTemporaryDir temp;
    const ClientDirs dirs(temp.path(), 1, temp.path());
    QVERIFY(QDir().mkpath(dirs.dataDir()));
    QVERIFY(writeDatabaseVersion(dirs, 126));
    QFile file(dirs.versionFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("126\r\n"));
    QCOMPARE(readDatabaseVersion(dirs), 126);
}

QTEST_GUILESS_MAIN(TestVersionFile)
#include "TestVersionFile.moc"
