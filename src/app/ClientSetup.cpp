#include "app/ClientSetup.h"

#include "app/ClientDirs.h"
#include "app/DeletionGuard.h"
#include "app/PathsFile.h"
#include "app/PrivateDir.h"
#include "app/UserPrompt.h"
#include "backup/FileUtils.h"
#include "backup/FileUtilsTexts.h"

namespace tekvora::app {

namespace {

void createOrTell(UserPrompt &prompt, const QString &dir)
{
    if (!backup::forceDirs(dir))
        prompt.error(backup::texts::dirCouldNotBeCreated(dir));
}

} // namespace

void deriveClientDirs(ClientDirs &dirs, PrivateDir &privateDir)
{
    protectFromDeletion(dirs.root());
    backup::forceDirs(dirs.netDir());
    privateDir.acquire(dirs.privatesDir());
    dirs.setPrivateDir(privateDir.path());
    for (const QString &dir : {dirs.scanDir(), dirs.imexDir(), dirs.tempDir(), dirs.soundDir()})
        backup::forceDirs(dir);
}

bool prepareClientDirs(ClientDirs &dirs, PrivateDir &privateDir, UserPrompt &prompt)
{
    deriveClientDirs(dirs, privateDir);
    createOrTell(prompt, dirs.netDir());
    if (!backup::forceDirs(dirs.dataDir())) {
        prompt.error(backup::texts::dirCouldNotBeCreated(dirs.dataDir()));
        return false;
    }
    loadPathsFile(dirs, prompt);
    for (const QString &dir : {dirs.backupDir(), dirs.imexDir(), dirs.printFormDir(), dirs.tempDir()})
        createOrTell(prompt, dir);
    return true;
}

} // namespace tekvora::app
