#pragma once

#include <QPoint>
#include <QString>

class QWidget;

namespace tekvora::app {

// The program's modal message boxes. "\r" in a text is a line break. Without a parent they sit
// over the active window.

/// Warning sound, question with "Ja"/"Nein"; true for "Ja".
bool askYesNo(const QString &text, QWidget *parent = nullptr);
/// As askYesNo, with the box's top-left corner at the given screen position.
bool askYesNoAt(const QString &text, const QPoint &topLeft, QWidget *parent = nullptr);
/// Warning sound, information with OK.
void showInformation(const QString &text, QWidget *parent = nullptr);
void showInformationQuietly(const QString &text, QWidget *parent = nullptr);
/// Error sound, error with OK.
void showError(const QString &text, QWidget *parent = nullptr);
void showErrorQuietly(const QString &text, QWidget *parent = nullptr);
/// Plays sound file number soundNumber while the box is open when sound files are on and the file
/// exists; otherwise the box comes with its usual sound.
void showSoundMessage(bool isError, const QString &text, int soundNumber, QWidget *parent = nullptr);

} // namespace tekvora::app
