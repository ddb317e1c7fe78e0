#pragma once

#include <QString>

// The messages of the file routines, spelled once.
namespace tekvora::backup::texts {

inline QString writeProtected(const QString &path)
{
    return QStringLiteral("Datei ") + path + QStringLiteral("\nist schreibgeschützt.\nSchreibschutz entfernen?");
}

inline QString dirNotCreatedInTree(const QString &path)
{
    return QStringLiteral("Verzeichnis ") + path + QStringLiteral("\nkann nicht erstellt werden");
}

inline QString dirNotCreated(const QString &path)
{
    return QStringLiteral("Verzeichnis ") + path + QStringLiteral(" kann nicht erstellt werden");
}

inline QString fileNotCopied(const QString &path)
{
    return QStringLiteral("Datei ") + path + QStringLiteral("\nkann nicht kopiert werden");
}

inline QString fileNotDeleted(const QString &path, int errorCode)
{
    return QStringLiteral("Datei ") + path + QStringLiteral("\nkann nicht gelöscht werden!\nFehlercode ") +
           QString::number(errorCode);
}

inline QString defaultPathUsed(const QString &purpose, const QString &defaultPath)
{
    return QStringLiteral("%1 wird der Standard-Sicherungspfad\n%2\nverwendet!").arg(purpose, defaultPath);
}

inline QString driveUnusable(const QString &drive, const QString &purpose, const QString &defaultPath)
{
    return QStringLiteral("Laufwerk %1 ist nicht vorhanden oder kann nicht\nals Sicherungslaufwerk verwendet werden!")
               .arg(drive) +
           QStringLiteral("\n\n") + defaultPathUsed(purpose, defaultPath);
}

inline QString createDirQuestion(const QString &path)
{
    return QStringLiteral("Das Verzeichnis\n%1\nexistiert noch nicht.\n\nSoll das Verzeichnis angelegt werden?")
        .arg(path);
}

inline QString dirCouldNotBeCreated(const QString &path)
{
    return QStringLiteral("Das Verzeichnis\n%1\nkonnte nicht angelegt werden.").arg(path);
}

} // namespace tekvora::backup::texts
