#pragma once

#include <QString>

// The start-up's messages, spelled once.
namespace tekvora::app::texts {

inline QString alreadyRunning(const QString &version)
{
    return QStringLiteral("Tekvora ") + version + QStringLiteral(" wurde bereits gestartet!");
}

inline QString databasesNotPrepared()
{
    return QStringLiteral("Datenbanken können nicht erzeugt/angepasst werden!");
}

} // namespace tekvora::app::texts
