#include "app/AppState.h"
#include "stats/ui/TF_Tekvora.h"
#include "support/PresetPrompt.h"

#include <QDir>
#include <QSettings>
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

QTEST_MAIN(TestTF_Tekvora)
#include "TestTF_Tekvora.moc"
