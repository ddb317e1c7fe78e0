#include "app/StartupArguments.h"

#include "app/CommandSwitch.h"

namespace tekvora::app {

StartupArguments parseStartupArguments(const QStringList &arguments)
{
    StartupArguments result;
    result.singleInstance = !switchGiven(arguments, QStringLiteral("+DS"));
    result.soundOn = !switchGiven(arguments, QStringLiteral("+NS"));
    result.serviceMode = switchGiven(arguments, QStringLiteral("+SM"));
    const QString rootOption = QStringLiteral("--root");
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString argument = arguments[i].trimmed();
        if (argument == rootOption && i + 1 < arguments.size())
            result.root = arguments[++i];
        else if (argument.startsWith(rootOption + QLatin1Char('=')))
            result.root = argument.mid(rootOption.size() + 1);
    }
    return result;
}

} // namespace tekvora::app
