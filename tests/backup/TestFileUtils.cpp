#include "app/DeletionGuard.h"
#include "backup/FileUtils.h"
#include "support/PresetPrompt.h"
#include "support/RecordingProgress.h"

#include <QDateTime>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace tekvora::backup;
using tekvora::test::PresetPrompt;

class TestFileUtils : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void confirmWritable_data();
    void confirmWritable();
    void openBinFile_data();
    void openBinFile();
    void openTextFile();
    void copyOneFileKeepsTimeAndOverwritesProtected();
    void copyOneFileNeverOntoItself();
    void copyTreeCopiesEverythingButLinks();
    void copyTreeRefusesItsOwnInside();
    void copyTreeStopsAtFirstFailure();
    void deleteTreeRemovesAllWithoutFollowingLinks();
    void clearTreeKeepsDirectories();
    void guardedRemovals_data();
    void guardedRemovals();
    void deleteFilesInKeepsSubdirectories();
    void copyFilesByMask();
    void countAndSize();
    void checkBackupDir_data();
    void checkBackupDir();

private:
    QString path(const QString &relative) const { return m_temp->path() + "/" + relative; }
    void touch(const QString &relative, const QByteArray &content = "x");
    std::unique_ptr<QTemporaryDir> m_temp;
};

void TestFileUtils::touch(const QString &relative, const QByteArray &content)
{
    QVERIFY(QDir().mkpath(QFileInfo(path(relative)).absolutePath()));
    QFile file(path(relative));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

void TestFileUtils::init()
{
    m_temp = std::make_unique<QTemporaryDir>();
    tekvora::app::protectFromDeletion(path("root"));
}

void TestFileUtils::confirmWritable_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<bool>("protectedFile");
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<bool>("result");
    QTest::addColumn<bool>("writableAfter");
    QTest::addColumn<bool>("asked");

    QTest::addRow("missing") << false << false << QList<bool>{} << true << false << false;
    QTest::addRow("writable") << true << false << QList<bool>{} << true << true << false;
    QTest::addRow("protected, yes") << true << true << QList<bool>{true} << true << true << true;
    QTest::addRow("protected, no") << true << true << QList<bool>{false} << false << false << true;
}

void TestFileUtils::confirmWritable()
{
    QFETCH(bool, exists);
    QFETCH(bool, protectedFile);
    QFETCH(QList<bool>, answers);
    QFETCH(bool, asked);
    const QString file = path("f.dat");
    if (exists)
        touch("f.dat");
    if (protectedFile)
        QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner));
    PresetPrompt prompt(answers);

    QTEST(tekvora::backup::confirmWritable(prompt, file), "result");
    QTEST(exists && !isWriteProtected(file), "writableAfter");
    QCOMPARE(prompt.shown,
             asked ? QStringList{"? Datei " + file + "\nist schreibgeschützt.\nSchreibschutz entfernen?"} : QStringList{});
}

void TestFileUtils::openBinFile_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<bool>("protectedFile");
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<int>("result");
    QTest::addColumn<QByteArray>("contentAfter");

    const int denied = int(QFileDevice::PermissionsError);
    QTest::addRow("existing") << 0 << true << false << QList<bool>{} << IoOk << QByteArray("old");
    QTest::addRow("existing, missing") << 0 << false << false << QList<bool>{} << int(QFileDevice::OpenError)
                                       << QByteArray();
    QTest::addRow("existing, protected") << 0 << true << true << QList<bool>{} << denied << QByteArray("old");
    QTest::addRow("create anew") << 1 << true << false << QList<bool>{} << IoOk << QByteArray();
    QTest::addRow("create missing") << 1 << false << false << QList<bool>{} << IoOk << QByteArray();
    QTest::addRow("create protected, yes") << 1 << true << true << QList<bool>{true} << IoOk << QByteArray();
    QTest::addRow("create protected, no") << 1 << true << true << QList<bool>{false} << IoRefused << QByteArray("old");
}

void TestFileUtils::openBinFile()
{
    QFETCH(int, mode);
    QFETCH(bool, exists);
    QFETCH(bool, protectedFile);
    QFETCH(QList<bool>, answers);
    QFETCH(QByteArray, contentAfter);
    if (exists)
        touch("f.bin", "old");
    if (protectedFile)
        QVERIFY(QFile::setPermissions(path("f.bin"), QFileDevice::ReadOwner));
    PresetPrompt prompt(answers);
    QFile file;

    QTEST(tekvora::backup::openBinFile(prompt, file, path("f.bin"), OpenMode(mode)), "result");
    if (file.isOpen()) {
        QVERIFY(file.isReadable() && file.isWritable());
        QVERIFY(closeBinFile(file));
    }
    QFile check(path("f.bin"));
    if (check.open(QIODevice::ReadOnly))
        QCOMPARE(check.readAll(), contentAfter);
}

void TestFileUtils::openTextFile()
{
    touch("t.txt", "zeile\n");
    QFile file;
    QCOMPARE(tekvora::backup::openTextFile(file, path("t.txt"), OpenMode::Existing), IoOk);
    QVERIFY(!file.isWritable());
    QVERIFY(closeTextFile(file));
    QCOMPARE(tekvora::backup::openTextFile(file, path("t.txt"), OpenMode::Create), IoOk);
    QCOMPARE(file.size(), 0);
    QVERIFY(closeTextFile(file));
    QVERIFY(tekvora::backup::openTextFile(file, path("none.txt"), OpenMode::Existing) != IoOk);
}

void TestFileUtils::copyOneFileKeepsTimeAndOverwritesProtected()
{
    const QByteArray content(100 * 1024 + 7, 'k'); // more than three chunks
    touch("src/a.db", content);
    QFile source(path("src/a.db"));
    QVERIFY(source.open(QIODevice::ReadWrite));
    const QDateTime stamp = QDateTime::currentDateTime().addDays(-3).addMSecs(-123);
    QVERIFY(source.setFileTime(stamp, QFileDevice::FileModificationTime));
    source.close();
    touch("dst/a.db", "alt");
    QVERIFY(QFile::setPermissions(path("dst/a.db"), QFileDevice::ReadOwner));

    QVERIFY(copyOneFile(path("src/a.db"), path("dst/a.db")));
    QVERIFY(!isWriteProtected(path("dst/a.db")));
    QFile copy(path("dst/a.db"));
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), content);
    QCOMPARE(QFileInfo(copy).lastModified(), QFileInfo(source).lastModified());

    QVERIFY(copyOneFile(path("src/a.db"), path("new/deep/a.db")));
    QVERIFY(!copyOneFile(path("src/none.db"), path("dst/none.db")));
}

void TestFileUtils::copyOneFileNeverOntoItself()
{
    touch("a.db", "data");
    QVERIFY(QFile::link(path("a.db"), path("alias.db")));
    QVERIFY(!copyOneFile(path("a.db"), path("a.db")));
    QVERIFY(!copyOneFile(path("a.db"), path("alias.db")));
    QCOMPARE(getFileSizeOf(path("a.db")), 4);
}

void TestFileUtils::copyTreeCopiesEverythingButLinks()
{
    touch("src/a.txt");
    touch("src/.hidden");
    touch("src/sub/b.txt");
    touch("src/sub/deeper/c.txt");
    QVERIFY(QDir().mkpath(path("src/empty")));
    touch("outside/secret.txt");
    QVERIFY(QFile::link(path("outside"), path("src/link-dir")));
    QVERIFY(QFile::link(path("outside/secret.txt"), path("src/link-file")));
    PresetPrompt prompt;
    tekvora::test::RecordingProgress progress;

    QVERIFY(copyTree(prompt, path("src/"), path("dst/"), &progress));
    for (const char *file : {"a.txt", ".hidden", "sub/b.txt", "sub/deeper/c.txt"})
        QVERIFY2(QFileInfo(path("dst/") + file).isFile(), file);
    QVERIFY(QFileInfo(path("dst/empty")).isDir());
    QVERIFY(!QFileInfo::exists(path("dst/link-dir")));
    QVERIFY(!QFileInfo::exists(path("dst/link-file")));
    QVERIFY(progress.valuesSet > 0);
    QCOMPARE(prompt.shown, QStringList());
    QVERIFY(!copyTree(prompt, path("missing"), path("dst2"), nullptr));
}

void TestFileUtils::copyTreeRefusesItsOwnInside()
{
    touch("src/a.txt");
    PresetPrompt prompt;
    QVERIFY(!copyTree(prompt, path("src"), path("src/copy")));
    QCOMPARE(prompt.shown, QStringList{"! Verzeichnis " + path("src/copy") + "\nkann nicht erstellt werden"});
    QVERIFY(!QFileInfo::exists(path("src/copy")));
}

void TestFileUtils::copyTreeStopsAtFirstFailure()
{
    touch("src/a/one.txt");
    touch("dst/a"); // a file where the subdirectory has to go
    PresetPrompt prompt;
    QVERIFY(!copyTree(prompt, path("src"), path("dst")));
    QCOMPARE(prompt.shown, QStringList{"! Verzeichnis " + path("dst/a") + "\nkann nicht erstellt werden"});

    touch("src2/f.txt");
    QVERIFY(QDir().mkpath(path("dst2/f.txt"))); // a directory where the file has to go
    prompt.shown.clear();
    QVERIFY(!copyTree(prompt, path("src2"), path("dst2")));
    QCOMPARE(prompt.shown, QStringList{"! Datei " + path("dst2/f.txt") + "\nkann nicht kopiert werden"});
}

void TestFileUtils::deleteTreeRemovesAllWithoutFollowingLinks()
{
    touch("tree/a.txt");
    touch("tree/.hidden/h.txt");
    touch("tree/sub/b.txt");
    QVERIFY(QFile::setPermissions(path("tree/sub/b.txt"), QFileDevice::ReadOwner));
    touch("outside/keep.txt");
    QVERIFY(QFile::link(path("outside"), path("tree/sub/link")));
    PresetPrompt prompt;

    QVERIFY(deleteTree(prompt, path("tree/")));
    QVERIFY(!QFileInfo::exists(path("tree")));
    QVERIFY(QFile::exists(path("outside/keep.txt")));
    QCOMPARE(prompt.shown, QStringList());
    QVERIFY(!deleteTree(prompt, path("tree")));
}

void TestFileUtils::clearTreeKeepsDirectories()
{
    touch("tree/a.txt");
    touch("tree/sub/b.txt");
    touch("outside/keep.txt");
    QVERIFY(QFile::link(path("outside"), path("tree/link")));
    PresetPrompt prompt;
    QVERIFY(clearTree(prompt, path("tree")));
    QCOMPARE(QDir(path("tree")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
             QStringList{"sub"});
    QVERIFY(QDir(path("tree/sub")).isEmpty());
    QVERIFY(QFile::exists(path("outside/keep.txt")));
}

// "@" stands for the temporary directory.
void TestFileUtils::guardedRemovals_data()
{
    QTest::addColumn<QString>("dir");
    QTest::addRow("drive root") << "C:\\";
    QTest::addRow("slash") << "/";
    QTest::addRow("three characters") << "/ab";
    QTest::addRow("program root") << "@/root";
    QTest::addRow("above the program root") << "@";
    QTest::addRow("home") << QDir::homePath();
}

void TestFileUtils::guardedRemovals()
{
    QFETCH(QString, dir);
    dir.replace("@", m_temp->path());
    touch("root/Data0001/keep.db");
    PresetPrompt prompt;
    QVERIFY(!deleteTree(prompt, dir));
    QVERIFY(!clearTree(prompt, dir));
    deleteFilesIn(dir + "/");
    QVERIFY(QFile::exists(path("root/Data0001/keep.db")));
    QCOMPARE(prompt.shown, QStringList());
}

void TestFileUtils::deleteFilesInKeepsSubdirectories()
{
    touch("d/a.txt");
    touch("d/.hidden");
    touch("d/sub/b.txt");
    QVERIFY(QFile::setPermissions(path("d/a.txt"), QFileDevice::ReadOwner));
    deleteFilesIn(path("d/"));
    QCOMPARE(QDir(path("d")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{"sub"});
    QVERIFY(QFile::exists(path("d/sub/b.txt")));
}

void TestFileUtils::copyFilesByMask()
{
    touch("forms/ORM00100.QFD");
    touch("forms/orm00200.qfd");
    touch("forms/notes.txt");
    QVERIFY(QDir().mkpath(path("forms/dir.QFD")));
    PresetPrompt prompt;
    QCOMPARE(tekvora::backup::copyFilesByMask(prompt, path("forms"), path("copy"), "*.QFD"), 2);
    QCOMPARE(countFiles(path("copy"), "*.qfd"), 2);
    QCOMPARE(countFiles(path("forms"), "*.QFD"), 2);
    QCOMPARE(countFiles(path("forms"), "*"), 3);

    touch("blocker");
    QCOMPARE(tekvora::backup::copyFilesByMask(prompt, path("forms"), path("blocker/x"), "*.QFD"), 0);
    QCOMPARE(prompt.shown, QStringList{"! Verzeichnis " + path("blocker/x") + " kann nicht erstellt werden"});
}

void TestFileUtils::countAndSize()
{
    touch("s.bin", QByteArray(1234, 's'));
    QCOMPARE(getFileSizeOf(path("s.bin")), 1234);
    QCOMPARE(getFileSizeOf(path("none.bin")), 0);
    QCOMPARE(countFiles(path("nowhere"), "*"), 0);
    QVERIFY(forceDirs(path("x/y/z")));
    QVERIFY(!forceDirs(path("s.bin/sub")));
    QVERIFY(deleteFileForced(path("s.bin")));
    QVERIFY(!deleteFileForced(path("s.bin")));
}

// "@" stands for the temporary directory.
void TestFileUtils::checkBackupDir_data()
{
    QTest::addColumn<QString>("dir");
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QStringList>("shown");

    const QString drive = "! Laufwerk %1 ist nicht vorhanden oder kann nicht\nals Sicherungslaufwerk verwendet werden!"
                          "\n\nZur Datensicherung wird der Standard-Sicherungspfad\n/std/\nverwendet!";
    const QString question = "? Das Verzeichnis\n%1\nexistiert noch nicht.\n\nSoll das Verzeichnis angelegt werden?";
    QTest::addRow("existing") << "@/exists" << QList<bool>{} << true << QStringList{};
    QTest::addRow("existing, blanks") << "  @/exists  " << QList<bool>{} << true << QStringList{};
    QTest::addRow("missing, yes") << "@/new/deep" << QList<bool>{true} << true << QStringList{question.arg("@/new/deep")};
    QTest::addRow("missing, no") << "@/new" << QList<bool>{false} << false << QStringList{question.arg("@/new")};
    QTest::addRow("cannot be created")
        << "@/file/sub" << QList<bool>{true} << false
        << QStringList{question.arg("@/file/sub"), "! Das Verzeichnis\n@/file/sub\nkonnte nicht angelegt werden."
                                                   "Zur Datensicherung wird der Standard-Sicherungspfad\n/std/\nverwendet!"};
    QTest::addRow("empty") << "" << QList<bool>{} << false << QStringList{drive.arg("")};
    QTest::addRow("windows drive") << "E:\\Backup" << QList<bool>{} << false << QStringList{drive.arg("E")};
    QTest::addRow("network path") << "\\\\server\\share" << QList<bool>{} << false << QStringList{drive.arg("\\")};
    QTest::addRow("relative") << "backup" << QList<bool>{} << false << QStringList{drive.arg("b")};
    QTest::addRow("removable, missing") << "/media/usb-stick-not-there/x" << QList<bool>{} << true << QStringList{};
}

void TestFileUtils::checkBackupDir()
{
    QFETCH(QString, dir);
    QFETCH(QList<bool>, answers);
    QFETCH(QStringList, shown);
    QVERIFY(QDir().mkpath(path("exists")));
    touch("file");
    dir.replace("@", m_temp->path());
    for (QString &text : shown)
        text.replace("@", m_temp->path());
    PresetPrompt prompt(answers);

    QTEST(tekvora::backup::checkBackupDir(prompt, dir, "Zur Datensicherung", "/std/"), "result");
    QCOMPARE(prompt.shown, shown);
}

QTEST_GUILESS_MAIN(TestFileUtils)
#include "TestFileUtils.moc"
