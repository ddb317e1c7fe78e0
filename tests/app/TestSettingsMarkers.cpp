#include "app/ClientDirs.h"
#include "app/DeletionGuard.h"
#include "app/SettingsMarkers.h"
#include "support/PresetPrompt.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace tekvora::app;
using tekvora::test::PresetPrompt;

class TestSettingsMarkers : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void resetWithMarker();
    void pendingResetIsCarriedOut();
    void deletionMarker_data();
    void deletionMarker();
    void brokenDeletionMarker_data();
    void brokenDeletionMarker();
    void registerKeepsLongPathsOnly();

private:
    void touch(const QString &path, const QByteArray &content = {});
    std::unique_ptr<QTemporaryDir> m_temp;
    std::unique_ptr<ClientDirs> m_dirs;
};

void TestSettingsMarkers::touch(const QString &path, const QByteArray &content)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

void TestSettingsMarkers::init()
{
    m_temp = std::make_unique<QTemporaryDir>();
    m_dirs = std::make_unique<ClientDirs>(m_temp->path() + "/root", 1, m_temp->path() + "/cfg");
    protectFromDeletion(m_dirs->root());
    for (const char *name : {"TV9001.ini", "TV9002.ini", "TV9003.ini", "TVX302.ini"})
        touch(m_dirs->settingsDirFile(name));
}

void TestSettingsMarkers::resetWithMarker()
{
    QFile::setPermissions(m_dirs->settingsDirFile("TV9002.ini"), QFileDevice::ReadOwner);
    resetWindowSettings(*m_dirs, true);
    QCOMPARE(QDir(m_dirs->settingsDir()).entryList(QDir::Files, QDir::Name),
             (QStringList{"DELTVF90.DSF", "TVX302.ini"}));
}

void TestSettingsMarkers::pendingResetIsCarriedOut()
{
    touch(m_dirs->settingsDirFile("DELTVF90.DSF"));
    PresetPrompt prompt;
    processMarkers(*m_dirs, prompt);
    QCOMPARE(QDir(m_dirs->settingsDir()).entryList(QDir::Files), QStringList{"TVX302.ini"});
    QCOMPARE(prompt.shown, QStringList());
}

// "@" stands for the temporary directory; dirs "a" and "b" exist with a file each.
void TestSettingsMarkers::deletionMarker_data()
{
    QTest::addColumn<QString>("marker");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<bool>("markerStays");

    QTest::addRow("both removed") << "@/a\r\n@/b\r\n" << QStringList{} << false;
    QTest::addRow("short lines skipped") << "/\r\nC:\\\r\n@/a\r\n" << QStringList{"b"} << false;
    QTest::addRow("drive root and missing dir") << "C:\\\r\n@/gone\r\n" << QStringList{"a", "b"} << true;
    QTest::addRow("stops at first failure") << "@/gone\n@/a\n" << QStringList{"a", "b"} << true;
    QTest::addRow("last failed") << "@/a\n@/gone\n@/b\n" << QStringList{"b"} << true;
    QTest::addRow("relative path") << "a/../a\n" << QStringList{"a", "b"} << true;
    QTest::addRow("program root") << "@/root\n" << QStringList{"a", "b"} << true;
    QTest::addRow("above the program root") << "@\n" << QStringList{"a", "b"} << true;
    QTest::addRow("empty marker") << "" << QStringList{"a", "b"} << false;
}

void TestSettingsMarkers::deletionMarker()
{
    QFETCH(QString, marker);
    QFETCH(QStringList, left);
    QFETCH(bool, markerStays);
    const QString base = m_temp->path();
    touch(base + "/a/file.db");
    touch(base + "/b/sub/file.db");
    QVERIFY(QDir().mkpath(m_dirs->root() + "Data0001"));
    const QString markerFile = m_dirs->settingsDirFile("DELTVP90.DSF");
    touch(markerFile, marker.replace("@", base).toUtf8());

    PresetPrompt prompt;
    processMarkers(*m_dirs, prompt);
    for (const char *dir : {"a", "b"})
        QCOMPARE(QFileInfo::exists(base + "/" + dir), left.contains(dir));
    QVERIFY(QFileInfo(m_dirs->root() + "Data0001").isDir());
    QCOMPARE(QFile::exists(markerFile), markerStays);
    QCOMPARE(prompt.shown, QStringList());
}

void TestSettingsMarkers::brokenDeletionMarker_data()
{
    QTest::addColumn<QByteArray>("content");
    QFile binary(TEKVORA_TEST_DATA "/app/binary.bin");
    QVERIFY(binary.open(QIODevice::ReadOnly));
    QTest::addRow("binary") << binary.readAll();
    QTest::addRow("huge line") << QByteArray(4 * 1024 * 1024, 'x');
    QTest::addRow("many lines") << QByteArray(2 * 1024 * 1024, '\n');
}

void TestSettingsMarkers::brokenDeletionMarker()
{
    QFETCH(QByteArray, content);
    touch(m_dirs->root() + "Data0001/keep.db");
    touch(m_dirs->settingsDirFile("DELTVP90.DSF"), content);
    PresetPrompt prompt;
    processMarkers(*m_dirs, prompt);
    QVERIFY(QFile::exists(m_dirs->root() + "Data0001/keep.db"));
    QVERIFY(QFile::exists(m_dirs->settingsDirFile("TV9001.ini")));
}

void TestSettingsMarkers::registerKeepsLongPathsOnly()
{
    QVERIFY(registerDirsForDeletion(*m_dirs, "/srv/alt", "C:\\"));
    QFile file(m_dirs->settingsDirFile("DELTVP90.DSF"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("/srv/alt\r\n"));
}

QTEST_GUILESS_MAIN(TestSettingsMarkers)
#include "TestSettingsMarkers.moc"
