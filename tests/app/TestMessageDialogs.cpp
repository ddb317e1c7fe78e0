#include "app/AppState.h"
#include "app/ui/DialogPrompt.h"
#include "app/ui/MessageDialogs.h"
#include "app/ui/QtTranslations.h"
#include "app/ui/SoundPlayer.h"
#include "app/ui/WindowPlacement.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

using namespace tekvora::app;

namespace {

/// Records what would have sounded, and what the open box looked like at the time.
class RecordingPlayer : public SoundPlayer
{
public:
    void beep() override { events << QStringLiteral("beep"); }
    void startFile(const QString &path) override { events << QStringLiteral("start ") + QFileInfo(path).fileName(); }
    void stopFile() override { events << QStringLiteral("stop"); }

    QStringList events;
};

/// What a message box showed and which button closed it.
struct SeenBox
{
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QPoint position;
    QStringList soundsWhileOpen;
};

/// Answers the next modal message box by clicking the button with the given object name.
void answerNextBox(const QString &button, SeenBox &seen, const RecordingPlayer &player)
{
    QTimer::singleShot(0, [button, &seen, &player] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        seen.caption = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.position = box->pos();
        seen.soundsWhileOpen = player.events;
        for (QAbstractButton *b : box->buttons())
            seen.buttons << b->text();
        auto *target = box->findChild<QPushButton *>(button);
        QVERIFY(target);
        target->click();
    });
}

} // namespace

class TestMessageDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void boxes_data();
    void boxes();
    void askYesNoAtPlacesTheBox();
    void soundMessage_data();
    void soundMessage();
    void playSoundFileBeepsWithoutFile();
    void dialogPromptAnswers();
    void placementFollowsMainWindow();
    void germanQtTexts();

private:
    RecordingPlayer m_player;
    QTemporaryDir m_root;
};

void TestMessageDialogs::init()
{
    m_player.events.clear();
    setSoundPlayer(&m_player);
    appState().startup.soundOn = true;
    appState().dirs = ClientDirs(m_root.path(), 1, m_root.path());
}

void TestMessageDialogs::cleanup()
{
    setSoundPlayer(nullptr);
}

void TestMessageDialogs::boxes_data()
{
    QTest::addColumn<QString>("function");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<bool>("beeps");
    QTest::addColumn<bool>("result");

    const QStringList yesNo{"&Ja", "&Nein"};
    const QStringList ok{"OK"};
    QTest::addRow("ask, Ja") << "ask" << "btnJa" << "Bestätigen" << int(QMessageBox::Question) << yesNo << true << true;
    QTest::addRow("ask, Nein") << "ask" << "btnNein" << "Bestätigen" << int(QMessageBox::Question) << yesNo << true
                               << false;
    QTest::addRow("information") << "inform" << "btnOK" << "Information" << int(QMessageBox::Information) << ok
                                 << true << false;
    QTest::addRow("information quietly") << "informQuietly" << "btnOK" << "Information"
                                         << int(QMessageBox::Information) << ok << false << false;
    QTest::addRow("error") << "error" << "btnOK" << "Fehler" << int(QMessageBox::Critical) << ok << true << false;
    QTest::addRow("error quietly") << "errorQuietly" << "btnOK" << "Fehler" << int(QMessageBox::Critical) << ok
                                   << false << false;
}

void TestMessageDialogs::boxes()
{
    QFETCH(QString, function);
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(int, icon);
    QFETCH(QStringList, buttons);
    QFETCH(bool, beeps);
    QFETCH(bool, result);

    const QString text = QStringLiteral("Erste Zeile\rzweite Zeile");
    SeenBox seen;
    answerNextBox(button, seen, m_player);
    bool answer = false;
    if (function == "ask")
        answer = askYesNo(text);
    else if (function == "inform")
        showInformation(text);
    else if (function == "informQuietly")
        showInformationQuietly(text);
    else if (function == "error")
        showError(text);
    else
        showErrorQuietly(text);

    QCOMPARE(answer, result);
    QCOMPARE(seen.caption, caption);
    QCOMPARE(seen.text, "Erste Zeile\nzweite Zeile");
    QCOMPARE(int(seen.icon), icon);
    QCOMPARE(seen.buttons, buttons);
    // The sound comes before the box, so it is already there while the box is open.
    QCOMPARE(seen.soundsWhileOpen, beeps ? QStringList{"beep"} : QStringList{});
}

void TestMessageDialogs::askYesNoAtPlacesTheBox()
{
    SeenBox seen;
    answerNextBox("btnJa", seen, m_player);
    QVERIFY(askYesNoAt("Wirklich?", QPoint(40, 30)));
    QCOMPARE(seen.position, QPoint(40, 30));
}

void TestMessageDialogs::soundMessage_data()
{
    QTest::addColumn<bool>("soundOn");
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<bool>("isError");
    QTest::addColumn<QStringList>("whileOpen");
    QTest::addColumn<QStringList>("afterwards");
    QTest::addColumn<int>("icon");

    QTest::addRow("file plays while the box is open")
        << true << true << false << QStringList{"start chimes.wav"} << QStringList{"start chimes.wav", "stop"}
        << int(QMessageBox::Information);
    QTest::addRow("error with file") << true << true << true << QStringList{"start chimes.wav"}
                                     << QStringList{"start chimes.wav", "stop"} << int(QMessageBox::Critical);
    QTest::addRow("sounds off: plain sound") << false << true << true << QStringList{"beep"} << QStringList{"beep"}
                                             << int(QMessageBox::Critical);
    QTest::addRow("file missing: plain sound") << true << false << false << QStringList{"beep"}
                                               << QStringList{"beep"} << int(QMessageBox::Information);
}

void TestMessageDialogs::soundMessage()
{
    QFETCH(bool, soundOn);
    QFETCH(bool, fileExists);
    QFETCH(bool, isError);
    QFETCH(QStringList, whileOpen);
    QFETCH(QStringList, afterwards);
    QFETCH(int, icon);

    appState().startup.soundOn = soundOn;
    const QString sound = appState().dirs.soundFile(2);
    QFile::remove(sound);
    if (fileExists) {
        QVERIFY(QDir().mkpath(appState().dirs.soundDir()));
        QFile file(sound);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    SeenBox seen;
    answerNextBox("btnOK", seen, m_player);
    showSoundMessage(isError, "Fertig.", 2);
    QCOMPARE(seen.soundsWhileOpen, whileOpen);
    QCOMPARE(m_player.events, afterwards);
    QCOMPARE(int(seen.icon), icon);
}

void TestMessageDialogs::playSoundFileBeepsWithoutFile()
{
    playSoundFile(m_root.filePath("missing.wav"));
    QCOMPARE(m_player.events, (QStringList{"beep", "beep", "beep"}));

    m_player.events.clear();
    QFile file(m_root.filePath("here.wav"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    playSoundFile(file.fileName());
    QCOMPARE(m_player.events, QStringList{"start here.wav"});

    m_player.events.clear();
    appState().startup.soundOn = false;
    playSoundFile(file.fileName());
    QCOMPARE(m_player.events, (QStringList{"beep", "beep", "beep"}));
}

void TestMessageDialogs::dialogPromptAnswers()
{
    DialogPrompt prompt;
    UserPrompt &asked = prompt;
    SeenBox seen;
    answerNextBox("btnNein", seen, m_player);
    QVERIFY(!asked.confirm("Löschen?"));
    answerNextBox("btnOK", seen, m_player);
    asked.error("Kaputt.");
    QCOMPARE(seen.caption, "Fehler");
    QCOMPARE(seen.text, "Kaputt.");
}

void TestMessageDialogs::placementFollowsMainWindow()
{
    QMainWindow main;
    main.setObjectName("TF_Tekvora");
    main.setGeometry(100, 120, 800, 600);
    QWidget dialog;
    placeRelativeToMainWindow(&dialog, 100, 64, -75, 100);
    QCOMPARE(dialog.pos(), main.pos() + QPoint(100, 64));
    QCOMPARE(dialog.size(), QSize(725, 700));
}

void TestMessageDialogs::germanQtTexts()
{
    if (!loadQtGermanTranslations())
        QSKIP("Qt's German translations are not installed");
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Cancel)->text(), "Abbrechen");
}

QTEST_MAIN(TestMessageDialogs)
#include "TestMessageDialogs.moc"
