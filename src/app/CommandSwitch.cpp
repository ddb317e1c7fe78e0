#include "app/CommandSwitch.h"

namespace tekvora::app {

bool switchGiven(const QStringList &arguments, const QString &switchText)
{
    const QString wanted = switchText.trimmed().toUpper();
    for (const QString &argument : arguments)
        if (argument.trimmed().toUpper() == wanted)
            return true;
    return false;
}

} // namespace tekvora::app
