#include "RecordingUpgradeProgress.h"
#include "UpgradeFixture.h"
#include "support/PresetPrompt.h"

#include "app/ClientDirs.h"
#include "app/PrivateDir.h"
#include "app/VersionFile.h"
#include "db/ClientUpgrade.h"
#include "db/Database.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace tekvora;
using namespace tekvora::test;
namespace fx = tekvora::test::upgradefixture;

class TestClientUpgrade : public QObject
{
    Q_OBJECT

private:
    struct Run
    {
        bool ok = false;
        PresetPrompt prompt;
        RecordingUpgradeProgress progress;
    };

    /// Runs the check and upgrade of client 1 with the preset answers.
    static void upgrade(const app::ClientDirs &clientDirs, Run &run, QList<bool> answers = {})
    {
        app::ClientDirs dirs = clientDirs;
        app::PrivateDir privateDir;
        for (bool answer : answers)
            run.prompt.answers.enqueue(answer);
        db::ClientUpgrade upgrade(dirs, privateDir, QStringLiteral("v1.31 [036]"), run.prompt, run.progress);
        run.ok = upgrade.run();
    }

    static QStringList staffNames(const QString &dataDir)
    {
        QStringList names;
        for (const QVariant &name : fx::column(dataDir, QStringLiteral("SELECT P_Name1 FROM Personal ORDER BY P_ID")))
            names << name.toString();
        return names;
    }

private slots:
    void firstStartCreatesTemplatesAndClient()
    {
        QTemporaryDir root;
        const app::ClientDirs dirs = fx::clientDirs(root.path() + u'/');
        Run run;
        upgrade(dirs, run);

        QVERIFY(run.ok);
        QCOMPARE(run.prompt.shown, QStringList());
        QCOMPARE(run.progress.caption, QStringLiteral("Tekvora v1.31 [036]: Aktualisierung auf Datenbank-Version 1.26"));
        QCOMPARE(run.progress.lines,
                 QStringList({QStringLiteral("Anpassung der Datenbanken:"), QStringLiteral("Neuer Mandant 0001 wird angelegt."),
                              QStringLiteral("Hilfsverzeichnisse werden kopiert."),
                              QStringLiteral("Datenverzeichnisse werden gesichert."),
                              QStringLiteral("Datentabellen in Verzeichnis %1 werden gelöscht.").arg(dirs.dataDir()),
                              QStringLiteral("Datenbanken werden angelegt.")}));
        QCOMPARE(run.progress.closed, 1);

        const app::ClientDirs templateDirs(dirs.root(), 0, dirs.settingsDir());
        QCOMPARE(app::readDatabaseVersion(templateDirs), 126);
        QCOMPARE(app::readDatabaseVersion(dirs), 126);
        QCOMPARE(fx::filesBelow(dirs.dataDir()), QStringList({QStringLiteral("Tekvora.sqlite"), QStringLiteral("Version.Dat")}));
        QCOMPARE(fx::column(dirs.dataDir(), QStringLiteral("SELECT count(*) FROM AusfIV")),
                 fx::column(templateDirs.dataDir(), QStringLiteral("SELECT count(*) FROM AusfIV")));
        QCOMPARE(fx::filesBelow(dirs.imexDir()), fx::filesBelow(templateDirs.imexDir()));
        QCOMPARE(fx::filesBelow(dirs.imexDir()).size(), 6);
        QVERIFY(QFileInfo(dirs.printFormDir()).isDir());
        const QString backup = dirs.root() + QStringLiteral("Data0001_000/");
        QVERIFY(QFileInfo(backup).isDir());
        QCOMPARE(fx::filesBelow(backup), QStringList());
        QVERIFY(!QFileInfo::exists(db::ClientUpgrade::journalFile(dirs)));
    }

    void newClientKeepsTheUsersImportFiles()
    {
        QTemporaryDir root;
        const app::ClientDirs dirs = fx::clientDirs(root.path() + u'/');
        fx::writeTextFile(dirs.imexDir() + QStringLiteral("Objekt.imp"), "SEPAR=#9\r\n");
        Run run;
        upgrade(dirs, run);
        QVERIFY(run.ok);
        QCOMPARE(fx::readFile(dirs.imexDir() + QStringLiteral("Objekt.imp")), QByteArray("SEPAR=#9\r\n"));
        QVERIFY(QFileInfo::exists(dirs.imexDir() + QStringLiteral("Personal.imp")));
    }

    void currentClientIsLeftAlone_data()
    {
        QTest::addColumn<QByteArray>("version");
        QTest::addRow("126") << QByteArray("126\r\n");
        QTest::addRow("200") << QByteArray("200");
    }

    void currentClientIsLeftAlone()
    {
        QFETCH(QByteArray, version);
        QTemporaryDir root;
        const app::ClientDirs dirs = fx::clientDirs(root.path() + u'/');
        fx::writeTextFile(dirs.versionFile(), version);
        fx::writeTextFile(dirs.dataDir() + QStringLiteral("Tekvora.sqlite"), "whatever is there");
        Run run;
        upgrade(dirs, run);
        QVERIFY(run.ok);
        QCOMPARE(run.progress.opened, 0);
        QCOMPARE(run.prompt.shown, QStringList());
        QCOMPARE(QDir(root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList({"Data0001"}));
        QCOMPARE(fx::readFile(dirs.dataDir() + QStringLiteral("Tekvora.sqlite")), QByteArray("whatever is there"));
    }

    void upgradeFrom125CarriesTheRecordsOver()
    {
        QTemporaryDir root;
        const app::ClientDirs dirs = fx::clientDirs(root.path() + u'/');
        fx::writeVersion125Client(dirs);
        Run run;
        upgrade(dirs, run, {false});

        QVERIFY(run.ok);
        QCOMPARE(run.prompt.shown, QStringList({QStringLiteral("? Sicherungskopien der Datenbanken löschen?")}));
        const QString data = dirs.dataDir();
        const QString backup = dirs.root() + QStringLiteral("Data0001_125/");
        QCOMPARE(app::readDatabaseVersion(dirs), 126);
        QCOMPARE(staffNames(data), QStringList({"Müller 1", "Müller 2", "Müller 3"}));
        QCOMPARE(fx::column(data, QStringLiteral("SELECT P_Eintritt || '|' || P_Bruttolohn || '|' || P_Aktiv FROM Personal")),
                 QVariantList(3, QStringLiteral("2007-02-01|1234.5|1")));
        QCOMPARE(fx::column(data, QStringLiteral("SELECT count(*) FROM Personal WHERE %1 IS NULL").arg(fx::AddedStaffField)),
                 QVariantList({3}));
        QVERIFY(!fx::column(data, QStringLiteral("SELECT name FROM pragma_table_info('Personal')"))
                     .contains(fx::DroppedStaffField));
        QCOMPARE(fx::column(backup, QStringLiteral("SELECT %1 FROM Personal ORDER BY P_ID").arg(fx::DroppedStaffField)),
                 QVariantList({"alt 1", "alt 2", "alt 3"}));
        QCOMPARE(fx::readFile(backup + QStringLiteral("Version.Dat")), QByteArray("125\r\n"));

        // The company record is the old one although the template has its own.
        QCOMPARE(fx::column(data, QStringLiteral("SELECT F_NameIntern FROM Firmen")), QVariantList({"Alte Firma"}));
        const app::ClientDirs templateDirs(dirs.root(), 0, dirs.settingsDir());
        QVERIFY(!fx::column(templateDirs.dataDir(), QStringLiteral("SELECT count(*) FROM Firmen")).contains(0));
        // A filled template table keeps its records; the old ones stay behind.
        const QString intervals = QStringLiteral("SELECT AI_ID || AI_Text FROM AusfIV ORDER BY AI_ID");
        QCOMPARE(fx::column(data, intervals), fx::column(templateDirs.dataDir(), intervals));
        QVERIFY(!fx::column(data, intervals).isEmpty());
        // The FTP accounts, which the template lacks, come along.
        QCOMPARE(fx::column(data, QStringLiteral("SELECT Ftp_Description FROM FtpDef")), QVariantList({"Server"}));
        // The user's own print form is back, in selection group 0; the protected ones are the template's.
        QCOMPARE(fx::column(data, QStringLiteral("SELECT Q_FormType || '|' || Q_SelectGroup || '|' || Q_Comment || '|' || "
                                                 "Q_Protect FROM QrFrmDef WHERE QF_ID = %1")
                                      .arg(fx::userFormId())),
                 QVariantList({QStringLiteral("%1|0|Eigenes Formular|0").arg(fx::userFormType())}));
        const QString protectedForms = QStringLiteral("SELECT QF_ID FROM QrFrmDef WHERE Q_Protect = 1 ORDER BY QF_ID");
        QCOMPARE(fx::column(data, protectedForms), fx::column(templateDirs.dataDir(), protectedForms));

        QVERIFY(run.progress.lines.contains(QStringLiteral("Datenbanken werden an aktuelle Programm-Version angepasst.")));
        QVERIFY(run.progress.lines.contains(QStringLiteral("Verzeichnis %1 wird aktualisiert.").arg(data)));
        QVERIFY(run.progress.lines.contains(QStringLiteral("Druckformular-Layouts werden aktualisiert.")));
        QVERIFY(run.progress.statuses.contains(QStringLiteral("Personal:           3")));
        QVERIFY(!QFileInfo::exists(db::ClientUpgrade::journalFile(dirs)));
    }

    void backupCopyGoesWhenTheUserAgrees()
    {
        QTemporaryDir root;
        const app::ClientDirs dirs = fx::clientDirs(root.path() + u'/');
        fx::writeVersion125Client(dirs);
        Run run;
        upgrade(dirs, run, {true});
        QVERIFY(run.ok);
        QVERIFY(!QFileInfo::exists(dirs.root() + QStringLiteral("Data0001_125")));
        QVERIFY(!QFileInfo::exists(dirs.settingsDirFile(QStringLiteral("DELTVP90.DSF"))));
        QCOMPARE(staffNames(dirs.dataDir()).size(), 3);
    }

    void oldTablesTheNewVersionLacksKeepTheBackup()
    {
        QTemporaryDir root;
        const app::ClientDirs dirs = fx::clientDirs(root.path() + u'/');
        fx::writeVersion125Client(dirs);
        fx::exec(dirs.dataDir(), QStringLiteral("CREATE TABLE Altlast (A INTEGER)"));
        fx::exec(dirs.dataDir(), QStringLiteral("INSERT INTO Altlast VALUES (7)"));
        fx::exec(dirs.dataDir(), QStringLiteral("CREATE TABLE Temp (A INTEGER)"));
        fx::exec(dirs.dataDir(), QStringLiteral("INSERT INTO Temp VALUES (7)"));
        Run run;
        upgrade(dirs, run, {true});
        QVERIFY(run.ok);
        QCOMPARE(run.prompt.shown, QStringList());
        const QString backup = dirs.root() + QStringLiteral("Data0001_125/");
        QVERIFY(run.progress.lines.contains(
            QStringLiteral("Tabelle Altlast wird nicht übernommen; sie bleibt in %1 erhalten.").arg(backup)));
        QVERIFY(run.progress.lines.contains(QStringLiteral("Die Sicherungskopie %1 wird aufbewahrt.").arg(backup)));
        QCOMPARE(fx::column(backup, QStringLiteral("SELECT A FROM Altlast")), QVariantList({7}));
    }

    void foreignFilesStayInTheDataDirectory()
    {
        QTemporaryDir root;
        const app::ClientDirs dirs = fx::clientDirs(root.path() + u'/');
        fx::writeVersion125Client(dirs);
        fx::writeTextFile(dirs.dataDir() + QStringLiteral("Notiz.txt"), "meins");
        fx::writeTextFile(dirs.dataDir() + QStringLiteral("Fotos/bild.png"), "png");
        Run run;
        upgrade(dirs, run, {true});
        QVERIFY(run.ok);
        QCOMPARE(fx::filesBelow(dirs.dataDir()),
                 QStringList({"Fotos/bild.png", "Notiz.txt", "Tekvora.sqlite", "Version.Dat"}));
        QCOMPARE(fx::readFile(dirs.dataDir() + QStringLiteral("Notiz.txt")), QByteArray("meins"));
    }

    void unreadableVersionCountsAsZero()
    {
        QTemporaryDir root;
        const app::ClientDirs dirs = fx::clientDirs(root.path() + u'/');
        fx::writeVersion125Client(dirs);
        fx::writeTextFile(dirs.versionFile(), "abc");
        Run run;
        upgrade(dirs, run);
        QVERIFY(run.ok);
        QCOMPARE(app::readDatabaseVersion(dirs), 126);
        QCOMPARE(staffNames(dirs.dataDir()).size(), 3);
        QCOMPARE(fx::readFile(dirs.root() + QStringLiteral("Data0001_000/Version.Dat")), QByteArray("abc"));
    }

    void damagedDatabaseIsRestoredUnchanged()
    {
        QTemporaryDir root;
        const app::ClientDirs dirs = fx::clientDirs(root.path() + u'/');
        const QByteArray garbage(5000, 'x');
        fx::writeTextFile(dirs.dataDir() + QStringLiteral("Tekvora.sqlite"), garbage);
        fx::writeTextFile(dirs.versionFile(), "125\r\n");
        Run run;
        upgrade(dirs, run);
        QVERIFY(!run.ok);
        const QString backup = dirs.root() + QStringLiteral("Data0001_125/");
        QCOMPARE(run.prompt.shown, QStringList({QStringLiteral("! Datenbank SrcDB kann nicht in\nVerzeichnis %1\n"
                                                               "erstellt werden!")
                                                    .arg(backup)}));
        QCOMPARE(run.progress.lines.last(), QStringLiteral("Datenverzeichnisse werden wiederhergestellt."));
        QCOMPARE(fx::filesBelow(dirs.dataDir()), QStringList({"Tekvora.sqlite", "Version.Dat"}));
        QCOMPARE(fx::readFile(dirs.dataDir() + QStringLiteral("Tekvora.sqlite")), garbage);
        QCOMPARE(app::readDatabaseVersion(dirs), 125);
        QVERIFY(!QFileInfo::exists(db::ClientUpgrade::journalFile(dirs)));
    }

    void tableErrorAsksWhetherToAbort_data()
    {
        QTest::addColumn<bool>("abort");
        QTest::addRow("abort and restore") << true;
        QTest::addRow("go on") << false;
    }

    void tableErrorAsksWhetherToAbort()
    {
        QFETCH(bool, abort);
        QTemporaryDir root;
        const app::ClientDirs dirs = fx::clientDirs(root.path() + u'/');
        fx::writeVersion125Client(dirs, 3, true);
        Run run;
        upgrade(dirs, run, {abort, false});
        QCOMPARE(run.ok, !abort);
        QCOMPARE(run.prompt.shown.mid(0, 2),
                 QStringList({QStringLiteral("! Fehler beim Datenbank-Update in Tabelle Personal\n"
                                             "Es wurden 1 von 3 Sätzen kopiert."),
                              QStringLiteral("? Möchten Sie das Update abbrechen?")}));
        if (abort) {
            QCOMPARE(app::readDatabaseVersion(dirs), 125);
            QCOMPARE(staffNames(dirs.dataDir()), QStringList({"Müller 1", "Müller 2", "Müller 3"}));
            QCOMPARE(fx::filesBelow(dirs.dataDir()), QStringList({"Tekvora.sqlite", "Version.Dat"}));
        } else {
            QCOMPARE(app::readDatabaseVersion(dirs), 126);
            QCOMPARE(staffNames(dirs.dataDir()), QStringList({"Müller 1"}));
            QCOMPARE(fx::column(dirs.dataDir(), QStringLiteral("SELECT F_NameIntern FROM Firmen")),
                     QVariantList({"Alte Firma"}));
        }
    }

    void staleBackupCopyIsMovedAside()
    {
        QTemporaryDir root;
        const app::ClientDirs dirs = fx::clientDirs(root.path() + u'/');
        fx::writeVersion125Client(dirs);
        fx::writeTextFile(dirs.root() + QStringLiteral("Data0001_125/alt.txt"), "frueher");
        Run run;
        upgrade(dirs, run);
        QVERIFY(run.ok);
        QCOMPARE(fx::readFile(dirs.root() + QStringLiteral("Data0001_125.1/alt.txt")), QByteArray("frueher"));
        QCOMPARE(fx::filesBelow(dirs.root() + QStringLiteral("Data0001_125/")),
                 QStringList({"Tekvora.sqlite", "Version.Dat"}));
    }
};

QTEST_GUILESS_MAIN(TestClientUpgrade)
#include "TestClientUpgrade.moc"
