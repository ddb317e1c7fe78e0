#pragma once

#include "app/ClientDirs.h"

#include <QString>

namespace tekvora::app {

/// Font the formatted text editor starts an empty text with.
struct EditorFont
{
    QString family = QStringLiteral("Arial");
    int pointSize = 10;

    bool operator==(const EditorFont &) const = default;
};

/// Process-wide state set once by the start-up and read by the rest of the program.
struct StartupState
{
    bool singleInstance = true; ///< false with "+DS"
    bool soundOn = true;        ///< false with "+NS"
    bool serviceMode = false;   ///< true with "+SM"
    QString programVersion = QStringLiteral("1.30");
    EditorFont defaultEditorFont;
    /// Internal company name for the caption; refreshed by the main window.
    QString clientName = QStringLiteral("Defaultmandant");
};

/// The one instance of the program-wide state: start-up flags and the directory set of client 1.
struct AppState
{
    StartupState startup;
    ClientDirs dirs;
    /// "Stundenformat hh:mm": durations as hours and minutes instead of decimal hours. Set by the
    /// check boxes of the main window and the posting and editing dialogs; off at every start.
    bool hourMinuteFormat = false;
};

AppState &appState();

} // namespace tekvora::app
