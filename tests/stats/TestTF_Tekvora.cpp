#include "app/AppState.h"
#include "db/Database.h"
#include "db/TableCreation.h"
#include "stats/ui/StatsGrid.h"
#include "stats/ui/StatsPanel.h"
#include "stats/ui/StatsTableModel.h"
#include "stats/ui/TF_Tekvora.h"
#include "support/PresetPrompt.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPushButton>
#include <QSettings>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimer>
#include <QTemporaryDir>
#include <QTest>

using namespace tekvora;
using tekvora::test::PresetPrompt;

class TestTF_Tekvora : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void captionAndFirstPlacement();
    void clientNameFromTheReader();
    void placementIsKept();
    void pendingResetForgetsThePlacement();
    void brokenSettingsFile_data();
    void brokenSettingsFile();
    void postingShowsInTheViews_data();
    void postingShowsInTheViews();

private:
    void writeSettings(const QByteArray &content);
    std::unique_ptr<QTemporaryDir> m_temp;
    app::AppState m_state;
};

void TestTF_Tekvora::init()
{
    m_temp = std::make_unique<QTemporaryDir>();
    m_state = app::AppState{};
    m_state.startup.programVersion = QStringLiteral("v1.31 [036]");
    m_state.dirs = app::ClientDirs(m_temp->path() + "/root", 1, m_temp->path() + "/cfg");
    QVERIFY(QDir().mkpath(m_state.dirs.settingsDir()));
}

void TestTF_Tekvora::writeSettings(const QByteArray &content)
{
    QFile file(m_state.dirs.settingsFile());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

void TestTF_Tekvora::captionAndFirstPlacement()
{
    PresetPrompt prompt;
    stats::TF_Tekvora window(m_state, prompt);
    QCOMPARE(window.objectName(), QStringLiteral("TF_Tekvora"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Tekvora  v1.31 [036]      Zeiterfassung mit Barcode-Scanner     "
                                                  "( Mandant 0001 : Defaultmandant )"));
    QCOMPARE(window.geometry(), QRect(0, 0, 1024, 800));
    QCOMPARE(prompt.shown, QStringList());
}

void TestTF_Tekvora::clientNameFromTheReader()
{
    PresetPrompt prompt;
    stats::TF_Tekvora window(m_state, prompt);
    std::optional<QString> stored;
    window.setClientNameReader([&] { return stored; });
    QVERIFY(window.windowTitle().endsWith("( Mandant 0001 : Defaultmandant )"));
    stored = QStringLiteral("Gebäudereinigung Süd");
    window.refreshCaption();
    QVERIFY(window.windowTitle().endsWith("( Mandant 0001 : Gebäudereinigung Süd )"));
    QCOMPARE(m_state.startup.clientName, QStringLiteral("Gebäudereinigung Süd"));
    stored = QString();
    window.refreshCaption();
    QVERIFY(window.windowTitle().endsWith("( Mandant 0001 :  )"));
}

void TestTF_Tekvora::placementIsKept()
{
    PresetPrompt prompt;
    {
        stats::TF_Tekvora window(m_state, prompt);
        window.show();
        window.setGeometry(40, 30, 900, 700);
        window.close();
    }
    QSettings settings(m_state.dirs.settingsFile(), QSettings::IniFormat);
    QCOMPARE(settings.value("Tekvora/Width").toInt(), 900);
    stats::TF_Tekvora again(m_state, prompt);
    QCOMPARE(again.geometry(), QRect(40, 30, 900, 700));
}

void TestTF_Tekvora::pendingResetForgetsThePlacement()
{
    writeSettings("[Tekvora]\nLeft=40\nTop=30\nWidth=900\nHeight=700\n");
    QFile marker(m_state.dirs.settingsDirFile("DELTVF90.DSF"));
    QVERIFY(marker.open(QIODevice::WriteOnly));
    marker.close();
    PresetPrompt prompt;
    stats::TF_Tekvora window(m_state, prompt);
    QCOMPARE(window.geometry(), QRect(0, 0, 1024, 800));
    QVERIFY(!QFile::exists(m_state.dirs.settingsFile()));
    QVERIFY(!marker.exists());
}

void TestTF_Tekvora::brokenSettingsFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QFile binary(TEKVORA_TEST_DATA "/app/binary.bin");
    QVERIFY(binary.open(QIODevice::ReadOnly));
    QTest::addRow("binary") << binary.readAll();
    QTest::addRow("nonsense values") << QByteArray("[Tekvora]\nLeft=abc\nTop=1\nWidth=-5\nHeight=99999999\n");
    QTest::addRow("tiny window") << QByteArray("[Tekvora]\nLeft=0\nTop=0\nWidth=1\nHeight=1\n");
}

void TestTF_Tekvora::brokenSettingsFile()
{
    QFETCH(QByteArray, content);
    writeSettings(content);
    PresetPrompt prompt;
    stats::TF_Tekvora window(m_state, prompt);
    QCOMPARE(window.geometry(), QRect(0, 0, 1024, 800));
}

void TestTF_Tekvora::postingShowsInTheViews_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addRow("toolbar") << "btnScannerdatenverbuchen";
    QTest::addRow("menu") << "mnuScannerdatenverbuchen";
}

void TestTF_Tekvora::postingShowsInTheViews()
{
    QFETCH(QString, entry);
    QVERIFY(QDir().mkpath(m_state.dirs.scanDir()));
    QVERIFY(db::createDatabase(db::kConnectionName, m_temp->filePath("data")).ok);
    if (!db::database().tables().contains("Scanimp", Qt::CaseInsensitive))
        QVERIFY(db::createScanimpTable().ok);
    // One raw visit of today, as the scan processing leaves it.
    const QString now = QDateTime(QDate::currentDate(), QTime(8, 0)).toString("yyyy-MM-dd hh:mm:ss");
    QSqlQuery insert(db::database());
    insert.prepare("INSERT INTO Scanimp (SC_ID, SC_Seq, SC_EntryType, SC_TourID, SC_TourNr, SC_ObjNr, SC_ObjID,"
                   " SC_TourType, SC_TourDate, SC_StartTime, SC_EndTime, SC_Dauer, SC_CalcMode, SC_State)"
                   " VALUES (1, 1, 1, 0, 0, 11, 0, 9, ?, ?, ?, 1.0, 0, 1)");
    insert.addBindValue(QDate::currentDate().toString("yyyy-MM-dd"));
    insert.addBindValue(now);
    insert.addBindValue(now);
    QVERIFY2(insert.exec(), qPrintable(insert.lastError().text()));
    {
        PresetPrompt prompt;
        stats::TF_Tekvora window(m_state, prompt);
        const stats::StatsTableModel *sites = window.statsPanel()->grid(stats::StatsView::Sites)->model();
        QCOMPARE(sites->rowCount(), 0);
        bool opened = false;
        QTimer::singleShot(0, this, [&opened] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            opened = dialog->objectName() == "TF_ScanImp";
            dialog->findChild<QPushButton *>("btnCheck")->click();
            dialog->findChild<QPushButton *>("btnPost")->click();
            dialog->reject();
        });
        window.findChild<QAction *>(entry)->trigger();
        QVERIFY(opened);
        QVERIFY2(prompt.shown.contains("i Datenübernahme beendet"), qPrintable(prompt.shown.join('|')));
        QCOMPARE(sites->rowCount(), 1);
    }
    db::closeDatabase();
}

QTEST_MAIN(TestTF_Tekvora)
#include "TestTF_Tekvora.moc"
