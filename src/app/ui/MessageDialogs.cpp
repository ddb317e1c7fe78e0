#include "app/ui/MessageDialogs.h"

#include "app/AppState.h"
#include "app/ui/SoundPlayer.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace tekvora::app {

namespace {

enum class Kind { Question, Information, Error };

QString captionOf(Kind kind)
{
    switch (kind) {
    case Kind::Question:
        return QStringLiteral("Bestätigen");
    case Kind::Information:
        return QStringLiteral("Information");
    case Kind::Error:
        return QStringLiteral("Fehler");
    }
    return {};
}

QMessageBox::Icon iconOf(Kind kind)
{
    switch (kind) {
    case Kind::Question:
        return QMessageBox::Question;
    case Kind::Information:
        return QMessageBox::Information;
    case Kind::Error:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

/// Shows the box modally; true when "Ja" ended a question.
bool runBox(Kind kind, const QString &text, QWidget *parent, const QPoint *topLeft = nullptr)
{
    QMessageBox box(iconOf(kind), captionOf(kind), QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')),
                    QMessageBox::NoButton, parent ? parent : QApplication::activeWindow());
    box.setObjectName(QStringLiteral("MessageDialog"));
    QPushButton *yes = nullptr;
    if (kind == Kind::Question) {
        yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
        QPushButton *no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
        yes->setObjectName(QStringLiteral("btnJa"));
        no->setObjectName(QStringLiteral("btnNein"));
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
    } else {
        box.addButton(QMessageBox::Ok)->setObjectName(QStringLiteral("btnOK"));
    }
    if (topLeft)
        box.move(*topLeft);
    box.exec();
    return yes && box.clickedButton() == yes;
}

} // namespace

bool askYesNo(const QString &text, QWidget *parent)
{
    playWarningSound();
    return runBox(Kind::Question, text, parent);
}

bool askYesNoAt(const QString &text, const QPoint &topLeft, QWidget *parent)
{
    playWarningSound();
    return runBox(Kind::Question, text, parent, &topLeft);
}

void showInformation(const QString &text, QWidget *parent)
{
    playWarningSound();
    runBox(Kind::Information, text, parent);
}

void showInformationQuietly(const QString &text, QWidget *parent)
{
    runBox(Kind::Information, text, parent);
}

void showError(const QString &text, QWidget *parent)
{
    playErrorSound();
    runBox(Kind::Error, text, parent);
}

void showErrorQuietly(const QString &text, QWidget *parent)
{
    runBox(Kind::Error, text, parent);
}

void showSoundMessage(bool isError, const QString &text, int soundNumber, QWidget *parent)
{
    const QString file = appState().dirs.soundFile(soundNumber);
    if (!soundFileUsable(file)) {
        isError ? showError(text, parent) : showInformation(text, parent);
        return;
    }
    soundPlayer().startFile(file);
    runBox(isError ? Kind::Error : Kind::Information, text, parent);
    soundPlayer().stopFile();
}

} // namespace tekvora::app
