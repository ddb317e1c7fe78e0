#pragma once

#include <QString>

namespace tekvora::app {

/// The machine's sounds: the warning and error sounds and one wave file at a time. Nothing here
/// waits for a sound's end, so a machine without an audio device never holds up a dialog.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;

    virtual void beep() = 0;
    /// Starts playing the wave file and returns at once.
    virtual void startFile(const QString &path) = 0;
    virtual void stopFile() = 0;
};

/// The player in use; a system player until tests install their own.
SoundPlayer &soundPlayer();
/// Installs a player (nullptr restores the system player); the caller keeps ownership.
void setSoundPlayer(SoundPlayer *player);

/// The exclamation sound played before warnings and questions.
void playWarningSound();
/// The stop sound played before error messages.
void playErrorSound();
/// n warning sounds, 110 ms apart; events keep running in the pauses.
void beeps(int count);
/// With sounds on and the file present, starts the file; otherwise three warning sounds.
void playSoundFile(const QString &path);
/// True when sound files are on ("+NS" not given) and the file exists.
bool soundFileUsable(const QString &path);

} // namespace tekvora::app
