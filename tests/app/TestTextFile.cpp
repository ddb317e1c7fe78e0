#include "app/TextFile.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tekvora::app;

class TestTextFile : public QObject
{
    Q_OBJECT

private slots:
    void decode_data();
    void decode();
    void encodeWindows1252Characters();
    void readLines_data();
    void readLines();
    void missingFile();
};

void TestTextFile::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addRow("ascii") << QByteArray("abc") << "abc";
    QTest::addRow("utf-8") << QByteArray("M\xc3\xbcller") << "Müller";
    QTest::addRow("utf-8 bom") << QByteArray("\xef\xbb\xbf" "a") << "a";
    QTest::addRow("windows-1252") << QByteArray("M\xfcller \x80 \x84x\x93") << "Müller € „x“";
    QTest::addRow("unused code") << QByteArray("\x81") << "\u0081";
}

void TestTextFile::decode()
{
    QFETCH(QByteArray, bytes);
    QTEST(decodeText(bytes), "text");
}

void TestTextFile::encodeWindows1252Characters()
{
    QCOMPARE(encodeWindows1252("Müller € „x“ ß"), QByteArray("M\xfcller \x80 \x84x\x93 \xdf"));
    QCOMPARE(encodeWindows1252("日本"), QByteArray("??"));
}

void TestTextFile::readLines_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("maxLines");
    QTest::addColumn<QStringList>("lines");
    QTest::addRow("crlf") << QByteArray("a\r\nb\r\nc\r\n") << 5 << QStringList{"a", "b", "c"};
    QTest::addRow("lf, no end") << QByteArray("a\nb") << 5 << QStringList{"a", "b"};
    QTest::addRow("limited") << QByteArray("a\nb\nc\n") << 2 << QStringList{"a", "b"};
    QTest::addRow("empty lines") << QByteArray("\n\nx\n") << 5 << QStringList{"", "", "x"};
    QTest::addRow("long line cut, rest skipped")
        << QByteArray(300, 'x') + "\nnext\n" << 5 << QStringList{QString(255, 'x'), "next"};
    QTest::addRow("empty") << QByteArray() << 5 << QStringList{};
}

void TestTextFile::readLines()
{
    QFETCH(QByteArray, content);
    QFETCH(int, maxLines);
    QTemporaryDir temp;
    QFile file(temp.filePath("t.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    QTEST(readTextLines(file.fileName(), maxLines).value(), "lines");
}

void TestTextFile::missingFile()
{
    QVERIFY(!readTextLines("/nonexistent/t.txt", 3).has_value());
    QVERIFY(!writeTextLines("/nonexistent/t.txt", {"a"}));
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "TestTextFile.moc"
