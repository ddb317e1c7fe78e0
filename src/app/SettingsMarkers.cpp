#include "app/SettingsMarkers.h"

#include "app/ClientDirs.h"
#include "app/TextFile.h"
#include "backup/FileUtils.h"

#include <QDir>
#include <QFile>

namespace tekvora::app {

namespace {

const QString kResetMarker = QStringLiteral("DELTVF90.DSF");
const QString kDeleteMarker = QStringLiteral("DELTVP90.DSF");
// A marker names a few directories; a longer file is not one we wrote.
constexpr int kMaxMarkerLines = 100;
constexpr int kMinDirLength = 4;

} // namespace

void resetWindowSettings(const ClientDirs &dirs, bool createMarker)
{
    for (const char *name : {"TV9001.ini", "TV9002.ini", "TV9003.ini"})
        backup::deleteFileForced(dirs.settingsDirFile(QLatin1String(name)));
    backup::deleteFileForced(dirs.settingsDirFile(kResetMarker));
    if (createMarker && backup::forceDirs(dirs.settingsDir())) {
        QFile marker(dirs.settingsDirFile(kResetMarker));
        marker.open(QIODevice::WriteOnly);
    }
}

void processMarkers(const ClientDirs &dirs, UserPrompt &prompt)
{
    const QString deleteMarker = dirs.settingsDirFile(kDeleteMarker);
    if (const std::optional<QStringList> lines = readTextLines(deleteMarker, kMaxMarkerLines)) {
        bool lastSucceeded = true;
        for (const QString &line : *lines) {
            const QString dir = line.trimmed();
            if (dir.size() < kMinDirLength)
                continue;
            lastSucceeded = QDir::isAbsolutePath(dir) && backup::deleteTree(prompt, dir);
            if (!lastSucceeded)
                break;
        }
        if (lastSucceeded)
            backup::deleteFileForced(deleteMarker);
    }
    if (QFile::exists(dirs.settingsDirFile(kResetMarker)))
        resetWindowSettings(dirs, false);
}

bool registerDirsForDeletion(const ClientDirs &dirs, const QString &first, const QString &second)
{
    QStringList lines;
    for (const QString &dir : {first, second}) {
        if (dir.size() > 3)
            lines << dir;
    }
    return backup::forceDirs(dirs.settingsDir()) && writeTextLines(dirs.settingsDirFile(kDeleteMarker), lines);
}

} // namespace tekvora::app
