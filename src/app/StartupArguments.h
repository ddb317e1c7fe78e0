#pragma once

#include <QString>
#include <QStringList>

namespace tekvora::app {

/// What the command line of the desktop program asks for.
struct StartupArguments
{
    bool singleInstance = true; ///< not "+DS"
    bool soundOn = true;        ///< not "+NS"
    bool serviceMode = false;   ///< "+SM"
    QString root;               ///< "--root DIR" or "--root=DIR"; empty when not given
};

/// Reads the switches in any position and letter case (blanks around them do not matter) and
/// the data root; everything else is ignored. `arguments` without the program name.
StartupArguments parseStartupArguments(const QStringList &arguments);

} // namespace tekvora::app
