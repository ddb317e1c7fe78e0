#include "db/ClientTemplates.h"

#include "app/ClientDirs.h"
#include "app/UserPrompt.h"
#include "app/VersionFile.h"
#include "backup/FileUtils.h"
#include "backup/FileUtilsTexts.h"
#include "db/ClientUpgrade.h"
#include "db/Database.h"
#include "db/ImportTemplateFiles.h"
#include "db/TemplateDatabase.h"
#include "db/UpgradeFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace tekvora::db {

namespace {

bool createDir(app::UserPrompt &prompt, const QString &dir)
{
    if (backup::forceDirs(dir))
        return true;
    prompt.error(backup::texts::dirCouldNotBeCreated(dir));
    return false;
}

bool ensureTemplateDatabase(const app::ClientDirs &templateDirs, app::UserPrompt &prompt)
{
    const QString dir = templateDirs.dataDir();
    if (app::readDatabaseVersion(templateDirs) == CurrentDatabaseVersion && QFileInfo(databaseFilePath(dir)).isFile())
        return true;
    // "Version.Dat" is written last, so a template without it is unfinished and built anew.
    if (!createDir(prompt, dir) || !removeDatabaseFiles(prompt, dir))
        return false;
    const DbResult created = createTemplateDatabase(dir);
    if (!created) {
        prompt.error(created.error);
        return false;
    }
    return app::writeDatabaseVersion(templateDirs, CurrentDatabaseVersion);
}

bool ensureImportTemplates(const QString &dir, app::UserPrompt &prompt)
{
    if (!createDir(prompt, dir))
        return false;
    for (const ImportTemplateFile &file : importTemplateFiles()) {
        const QString path = QDir(dir).filePath(file.name);
        if (QFileInfo::exists(path))
            continue;
        QSaveFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(file.content) != file.content.size() || !out.commit())
            return false;
    }
    return true;
}

} // namespace

bool ensureClientTemplates(const app::ClientDirs &dirs, app::UserPrompt &prompt)
{
    const app::ClientDirs templateDirs(dirs.root(), 0, dirs.settingsDir());
    return ensureTemplateDatabase(templateDirs, prompt) && createDir(prompt, templateDirs.printFormDir())
           && ensureImportTemplates(templateDirs.imexDir(), prompt);
}

} // namespace tekvora::db
