#include "app/ClientDirs.h"
#include "app/ProgramRoot.h"

#include <QDir>
#include <QTest>

using namespace tekvora::app;

class TestClientDirs : public QObject
{
    Q_OBJECT

private slots:
    void rootResolution_data();
    void rootResolution();
    void settingsDirectoryFollowsXdg();
    void directorySet();
    void backupScopes();
    void soundFiles_data();
    void soundFiles();
};

void TestClientDirs::rootResolution_data()
{
    QTest::addColumn<QString>("explicitRoot");
    QTest::addColumn<QString>("tekvoraRoot");
    QTest::addColumn<QString>("xdgDataHome");
    QTest::addColumn<QString>("expected");

    const QString home = QDir::homePath();
    QTest::addRow("explicit wins") << "/srv/tv/" << "/env/root" << "/xdg" << "/srv/tv/";
    QTest::addRow("explicit cleaned") << "/srv//tv/../tv2" << "" << "" << "/srv/tv2/";
    QTest::addRow("explicit relative") << "rel" << "" << "" << QDir::currentPath() + "/rel/";
    QTest::addRow("environment") << "" << "/env/root" << "/xdg" << "/env/root/";
    QTest::addRow("blank explicit") << "  " << "/env/root" << "" << "/env/root/";
    QTest::addRow("xdg data home") << "" << "" << "/xdg" << "/xdg/tekvora/";
    QTest::addRow("relative xdg ignored") << "" << "" << "xdg" << home + "/.local/share/tekvora/";
    QTest::addRow("default") << "" << "" << "" << home + "/.local/share/tekvora/";
}

void TestClientDirs::rootResolution()
{
    QFETCH(QString, explicitRoot);
    QFETCH(QString, tekvoraRoot);
    QFETCH(QString, xdgDataHome);
    QFETCH(QString, expected);

    qputenv("TEKVORA_ROOT", tekvoraRoot.toUtf8());
    qputenv("XDG_DATA_HOME", xdgDataHome.toUtf8());
    QCOMPARE(programRoot(explicitRoot), expected);
}

void TestClientDirs::settingsDirectoryFollowsXdg()
{
    qputenv("XDG_CONFIG_HOME", "/cfg");
    QCOMPARE(settingsDirectory(), QStringLiteral("/cfg/tekvora/"));
    qunsetenv("XDG_CONFIG_HOME");
    QCOMPARE(settingsDirectory(), QDir::homePath() + "/.config/tekvora/");
}

void TestClientDirs::directorySet()
{
    const ClientDirs dirs(QStringLiteral("/r"), 1, QStringLiteral("/cfg/tekvora"));
    QCOMPARE(dirs.root(), QStringLiteral("/r/"));
    QCOMPARE(dirs.netDir(), QStringLiteral("/r/Netdir/"));
    QCOMPARE(dirs.privatesDir(), QStringLiteral("/r/Privates/"));
    QCOMPARE(dirs.privateDir(), QString());
    QCOMPARE(dirs.dataDir(), QStringLiteral("/r/Data0001/"));
    QCOMPARE(dirs.templateDataDir(), QStringLiteral("/r/Data0000/"));
    QCOMPARE(dirs.defaultBackupDir(), QStringLiteral("/r/DTBU0001/"));
    QCOMPARE(dirs.imexDir(), QStringLiteral("/r/IMEX0001/"));
    QCOMPARE(dirs.templateImexDir(), QStringLiteral("/r/IMEX0000/"));
    QCOMPARE(dirs.printFormDir(), QStringLiteral("/r/QRFD0001/"));
    QCOMPARE(dirs.templatePrintFormDir(), QStringLiteral("/r/QRFD0000/"));
    QCOMPARE(dirs.textBlockDir(), QStringLiteral("/r/Tbst0001/"));
    QCOMPARE(dirs.scanDir(), QStringLiteral("/r/Scan0001/"));
    QCOMPARE(dirs.tempDir(), QStringLiteral("/r/Temp/"));
    QCOMPARE(dirs.soundDir(), QStringLiteral("/r/Sounds/"));
    QCOMPARE(dirs.manualPage(ManualPage::Sites), QStringLiteral("/r/Handbuch/Html/objekte.html"));
    QCOMPARE(dirs.pathsFile(), QStringLiteral("/r/Pfade.0001"));
    QCOMPARE(dirs.defaultFontFile(), QStringLiteral("/r/Deffont.txt"));
    QCOMPARE(dirs.versionFile(), QStringLiteral("/r/Data0001/Version.Dat"));
    QCOMPARE(dirs.settingsFile(), QStringLiteral("/cfg/tekvora/TV9001.ini"));
    QCOMPARE(dirs.designerSettingsFile(), QStringLiteral("/cfg/tekvora/TVX302.ini"));
    QCOMPARE(dirs.backupDir(), dirs.defaultBackupDir());
    QCOMPARE(dirs.exportDir(), QDir::homePath() + "/");
    QCOMPARE(ClientDirs(QStringLiteral("/r"), 12).dataDir(), QStringLiteral("/r/Data0012/"));
}

void TestClientDirs::backupScopes()
{
    const ClientDirs dirs(QStringLiteral("/r"), 1, QStringLiteral("/cfg"));
    QCOMPARE(dirs.backupScopeDirs(BackupScope::Movement), QStringList{"/r/Data0001/"});
    QCOMPARE(dirs.backupScopeDirs(BackupScope::Auxiliary),
             (QStringList{"/r/Tbst0001/", "/r/QRFD0001/", "/r/Scan0001/", "/r/IMEX0001/"}));
    QCOMPARE(dirs.backupScopeDirs(BackupScope::Complete),
             (QStringList{"/r/Data0001/", "/r/QRFD0001/", "/r/Scan0001/", "/r/Tbst0001/", "/r/IMEX0001/"}));
    QCOMPARE(dirs.backupScopeDir(BackupScope::Complete, 4), QStringLiteral("/r/IMEX0001/"));
    QCOMPARE(dirs.backupScopeDir(BackupScope::Movement, 1), QString());
    QCOMPARE(backupScopeCaption(BackupScope::Auxiliary), QStringLiteral("Hilfsdaten"));
    QCOMPARE(backupScopeLetter(BackupScope::Complete), QLatin1Char('G'));
}

void TestClientDirs::soundFiles_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("file");
    QTest::addRow("0") << 0 << "Ding.wav";
    QTest::addRow("1") << 1 << "notify.wav";
    QTest::addRow("2") << 2 << "chimes.wav";
    QTest::addRow("3") << 3 << "chord.wav";
    QTest::addRow("7") << 7 << "Ding.wav";
}

void TestClientDirs::soundFiles()
{
    QFETCH(int, number);
    QFETCH(QString, file);
    QCOMPARE(ClientDirs(QStringLiteral("/r"), 1, QStringLiteral("/c")).soundFile(number), "/r/Sounds/" + file);
}

QTEST_GUILESS_MAIN(TestClientDirs)
#include "TestClientDirs.moc"
