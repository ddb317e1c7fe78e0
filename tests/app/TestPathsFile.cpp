#include "app/ClientDirs.h"
#include "app/PathsFile.h"
#include "app/TextFile.h"
#include "support/PresetPrompt.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace tekvora::app;
using tekvora::test::PresetPrompt;

class TestPathsFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void load_data();
    void load();
    void missingFileIsWritten();
    void saveWritesWindowsLines();
    void unusableDirectoriesFallBackFirst();
    void brokenFilesKeepTheDirectories_data();
    void brokenFilesKeepTheDirectories();

private:
    std::unique_ptr<QTemporaryDir> m_temp;
    QString m_root;
};

namespace {
const QString kHome = QDir::homePath() + "/";

QString driveMessage(const QString &drive, const QString &purpose, const QString &kept)
{
    return "! Laufwerk " + drive + " ist nicht vorhanden oder kann nicht\nals Sicherungslaufwerk verwendet werden!\n\n" +
           purpose + " wird der Standard-Sicherungspfad\n" + kept + "\nverwendet!";
}
} // namespace

void TestPathsFile::init()
{
    m_temp = std::make_unique<QTemporaryDir>();
    m_root = m_temp->path() + "/root/";
    QVERIFY(QDir().mkpath(m_root + "exists"));
}

// Paths may use "@" for the program root.
void TestPathsFile::load_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<QString>("exportDir");
    QTest::addColumn<QString>("backupDir");
    QTest::addColumn<QStringList>("shown");

    const QString backup = "@DTBU0001/";
    QTest::addRow("both accepted") << QByteArray("@exists\r\n@exists/\r\n") << QList<bool>{} << "@exists"
                                   << "@exists/" << QStringList{};
    QTest::addRow("missing, created") << QByteArray("@neu/a\n") << QList<bool>{true} << "@neu/a" << backup
                                      << QStringList{"? Das Verzeichnis\n@neu/a\nexistiert noch nicht.\n\nSoll das "
                                                     "Verzeichnis angelegt werden?"};
    QTest::addRow("missing, refused") << QByteArray("\n@neu/b\n") << QList<bool>{false} << kHome << backup
                                      << QStringList{"? Das Verzeichnis\n@neu/b\nexistiert noch nicht.\n\nSoll das "
                                                     "Verzeichnis angelegt werden?"};
    QTest::addRow("windows drives") << QByteArray("C:\\Daten\r\nD:\\Sicherung\r\n") << QList<bool>{} << kHome << backup
                                    << QStringList{driveMessage("C", "Zum Datenexport", kHome),
                                                   driveMessage("D", "Zur Datensicherung", backup)};
    QTest::addRow("cannot be created") << QByteArray("@exists/../Pfade.0001/x\n") << QList<bool>{true} << kHome
                                       << backup
                                       << QStringList{"? Das Verzeichnis\n@exists/../Pfade.0001/x\nexistiert noch "
                                                      "nicht.\n\nSoll das Verzeichnis angelegt werden?",
                                                      "! Das Verzeichnis\n@exists/../Pfade.0001/x\nkonnte nicht "
                                                      "angelegt werden.Zum Datenexport wird der "
                                                      "Standard-Sicherungspfad\n" +
                                                          kHome + "\nverwendet!"};
    QTest::addRow("empty file") << QByteArray() << QList<bool>{} << kHome << backup << QStringList{};
    QTest::addRow("blank lines") << QByteArray("  \r\n\r\n") << QList<bool>{} << kHome << backup << QStringList{};
    QTest::addRow("control characters") << QByteArray("\x01\x02\x03\n") << QList<bool>{} << kHome << backup
                                        << QStringList{driveMessage("\x01", "Zum Datenexport", kHome)};
}

void TestPathsFile::load()
{
    QFETCH(QByteArray, content);
    QFETCH(QList<bool>, answers);
    QFETCH(QStringList, shown);
    const auto expand = [&](QString text) { return text.replace("@", m_root); };

    ClientDirs dirs(m_root, 1, m_temp->path() + "/cfg");
    QFile file(dirs.pathsFile());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content.replace("@", m_root.toUtf8()));
    file.close();
    PresetPrompt prompt(answers);

    loadPathsFile(dirs, prompt);
    QFETCH(QString, exportDir);
    QFETCH(QString, backupDir);
    QCOMPARE(dirs.exportDir(), expand(exportDir));
    QCOMPARE(dirs.backupDir(), expand(backupDir));
    for (QString &text : shown)
        text = expand(text);
    QCOMPARE(prompt.shown, shown);
    QCOMPARE(file.size(), qint64(content.size())); // loading never rewrites an existing file
}

void TestPathsFile::missingFileIsWritten()
{
    ClientDirs dirs(m_root, 1, m_temp->path() + "/cfg");
    PresetPrompt prompt;
    loadPathsFile(dirs, prompt);
    QCOMPARE(prompt.shown, QStringList());
    QCOMPARE(readTextLines(dirs.pathsFile(), 5).value(), (QStringList{kHome, dirs.defaultBackupDir()}));
}

void TestPathsFile::saveWritesWindowsLines()
{
    ClientDirs dirs(m_root, 1, m_temp->path() + "/cfg");
    dirs.setExportDir("/tmp/Bücher");
    dirs.setBackupDir("/mnt/usb/");
    QVERIFY(savePathsFile(dirs));
    QFile file(dirs.pathsFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("/tmp/B\xfc" "cher\r\n/mnt/usb/\r\n"));
}

void TestPathsFile::unusableDirectoriesFallBackFirst()
{
    ClientDirs dirs(m_root, 1, m_temp->path() + "/cfg");
    dirs.setExportDir(m_root + "gone");
    dirs.setBackupDir("relative/backup");
    PresetPrompt prompt;
    loadPathsFile(dirs, prompt);
    QCOMPARE(dirs.exportDir(), kHome);
    QCOMPARE(dirs.backupDir(), dirs.defaultBackupDir());
}

void TestPathsFile::brokenFilesKeepTheDirectories_data()
{
    QTest::addColumn<QByteArray>("content");
    QFile binary(TEKVORA_TEST_DATA "/app/binary.bin");
    QVERIFY(binary.open(QIODevice::ReadOnly));
    QTest::addRow("binary") << binary.readAll();
    QTest::addRow("huge line") << QByteArray(4 * 1024 * 1024, 'A');
    QTest::addRow("huge lines") << QByteArray(4 * 1024 * 1024, '\n');
    QTest::addRow("nul in path") << QByteArray("/tmp/a\0b\n/tmp\0\n", 14);
}

void TestPathsFile::brokenFilesKeepTheDirectories()
{
    QFETCH(QByteArray, content);
    ClientDirs dirs(m_root, 1, m_temp->path() + "/cfg");
    QFile file(dirs.pathsFile());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    PresetPrompt prompt; // answers "Nein" to any question
    loadPathsFile(dirs, prompt);
    QCOMPARE(dirs.exportDir(), kHome);
    QCOMPARE(dirs.backupDir(), dirs.defaultBackupDir());
    QCOMPARE(file.size(), qint64(content.size()));
}

QTEST_GUILESS_MAIN(TestPathsFile)
#include "TestPathsFile.moc"
