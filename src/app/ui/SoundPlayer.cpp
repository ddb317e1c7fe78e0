#include "app/ui/SoundPlayer.h"

#include "app/AppState.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

namespace tekvora::app {

namespace {

constexpr int beepPauseMs = 110;

/// QApplication::beep for the system sounds, one QSoundEffect for wave files.
class SystemSoundPlayer : public SoundPlayer
{
public:
    void beep() override { QApplication::beep(); }

    void startFile(const QString &path) override
    {
        if (!m_effect) // owned by the application, so it goes before the audio back end does
            m_effect = new QSoundEffect(qApp);
        m_effect->stop();
        m_effect->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
        m_effect->play();
    }

    void stopFile() override
    {
        if (m_effect)
            m_effect->stop();
    }

private:
    QPointer<QSoundEffect> m_effect;
};

SoundPlayer *installedPlayer = nullptr;

} // namespace

SoundPlayer &soundPlayer()
{
    static SystemSoundPlayer systemPlayer;
    return installedPlayer ? *installedPlayer : systemPlayer;
}

void setSoundPlayer(SoundPlayer *player)
{
    installedPlayer = player;
}

void playWarningSound()
{
    soundPlayer().beep();
}

void playErrorSound()
{
    soundPlayer().beep();
}

void beeps(int count)
{
    for (int i = 0; i < count; ++i) {
        playWarningSound();
        const QDeadlineTimer pause(beepPauseMs);
        while (!pause.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, int(qMax<qint64>(1, pause.remainingTime())));
    }
}

bool soundFileUsable(const QString &path)
{
    return appState().startup.soundOn && !path.isEmpty() && QFileInfo(path).isFile();
}

void playSoundFile(const QString &path)
{
    if (soundFileUsable(path))
        soundPlayer().startFile(path);
    else
        beeps(3);
}

} // namespace tekvora::app
