#include "app/DefaultFont.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tekvora::app;

class TestDefaultFont : public QObject
{
    Q_OBJECT

private slots:
    void fromFile_data();
    void fromFile();
    void fixtures();
    void hugeLineIsNoName();
};

void TestDefaultFont::fromFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("size");

    QTest::addRow("size 12") << QByteArray("Courier New\r\n12\r\n") << "Courier New" << 12;
    QTest::addRow("size 5 too small") << QByteArray("Courier New\r\n5\r\n") << "Courier New" << 10;
    QTest::addRow("size 6") << QByteArray("Courier New\n6") << "Courier New" << 6;
    QTest::addRow("one line") << QByteArray("Times\n") << "Times" << 10;
    QTest::addRow("size not a number") << QByteArray("Times\nzwölf\n") << "Times" << 10;
    QTest::addRow("absurd size") << QByteArray("Times\n99999\n") << "Times" << 10;
    QTest::addRow("empty file") << QByteArray() << "Arial" << 10;
    QTest::addRow("blank name") << QByteArray("   \n14\n") << "Arial" << 14;
    QTest::addRow("control characters") << QByteArray("Ar\x01ial\x02\n14\n") << "Arial" << 14;
    QTest::addRow("windows-1252 name") << QByteArray("M\xfcller\n") << "Müller" << 10;
}

void TestDefaultFont::fromFile()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    QFile file(dir.filePath("Deffont.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    const EditorFont font = readDefaultEditorFont(file.fileName());
    QTEST(font.family, "family");
    QTEST(font.pointSize, "size");
}

void TestDefaultFont::fixtures()
{
    QCOMPARE(readDefaultEditorFont(TEKVORA_TEST_DATA "/app/Deffont-courier12.txt"), (EditorFont{"Courier New", 12}));
    QCOMPARE(readDefaultEditorFont(TEKVORA_TEST_DATA "/app/Deffont-utf8-bom.txt"), (EditorFont{"Müller Sans", 10}));
    QCOMPARE(readDefaultEditorFont(TEKVORA_TEST_DATA "/app/binary.bin"), EditorFont{});
    QCOMPARE(readDefaultEditorFont(TEKVORA_TEST_DATA "/app/missing.txt"), EditorFont{});
}

void TestDefaultFont::hugeLineIsNoName()
{
    QTemporaryDir dir;
    QFile file(dir.filePath("Deffont.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4 * 1024 * 1024, 'A'));
    file.close();
    QCOMPARE(readDefaultEditorFont(file.fileName()), EditorFont{});
}

QTEST_GUILESS_MAIN(TestDefaultFont)
#include "TestDefaultFont.moc"
