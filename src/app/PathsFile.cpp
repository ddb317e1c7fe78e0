#include "app/PathsFile.h"

#include "app/ClientDirs.h"
#include "app/Drives.h"
#include "app/TextFile.h"
#include "backup/FileUtils.h"

#include <QDir>
#include <QFileInfo>

namespace tekvora::app {

namespace {

constexpr int kMaxPathLength = 255;

// The home directory stands in for the drive root the export directory falls back to.
QString exportFallback()
{
    return QDir::homePath() + QLatin1Char('/');
}

} // namespace

void loadPathsFile(ClientDirs &dirs, UserPrompt &prompt)
{
    if (!driveUsable(dirs.exportDir()) || !QFileInfo(dirs.exportDir()).isDir())
        dirs.setExportDir(exportFallback());
    if (!driveUsable(dirs.backupDir()))
        dirs.setBackupDir(dirs.defaultBackupDir());

    const std::optional<QStringList> lines = readTextLines(dirs.pathsFile(), 2, kMaxPathLength);
    if (!lines) {
        savePathsFile(dirs);
        return;
    }
    // A missing or blank line counts as unreadable: the directory from before stays.
    const QString exportLine = lines->value(0).trimmed();
    if (!exportLine.isEmpty() &&
        backup::checkBackupDir(prompt, exportLine, QStringLiteral("Zum Datenexport"), dirs.exportDir()))
        dirs.setExportDir(exportLine);
    const QString backupLine = lines->value(1).trimmed();
    if (!backupLine.isEmpty() &&
        backup::checkBackupDir(prompt, backupLine, QStringLiteral("Zur Datensicherung"), dirs.backupDir()))
        dirs.setBackupDir(backupLine);
}

bool savePathsFile(const ClientDirs &dirs)
{
    return writeTextLines(dirs.pathsFile(), {dirs.exportDir(), dirs.backupDir()});
}

} // namespace tekvora::app
