#include "app/VersionFile.h"

#include "app/ClientDirs.h"
#include "app/TextFile.h"

namespace tekvora::app {

int readDatabaseVersion(const ClientDirs &dirs)
{
    const std::optional<QStringList> lines = readTextLines(dirs.versionFile(), 1, 32);
    if (!lines || lines->isEmpty())
        return 0;
    bool ok = false;
    const int version = lines->first().trimmed().toInt(&ok);
    return ok ? version : 0;
}

bool writeDatabaseVersion(const ClientDirs &dirs, int version)
{
    return writeTextLines(dirs.versionFile(), {QString::number(version)});
}

} // namespace tekvora::app
