#include "db/ui/DatabaseStartup.h"

#include "app/AppState.h"
#include "app/Startup.h"
#include "db/ClientUpgrade.h"
#include "db/Database.h"
#include "db/ui/MessListProgress.h"

namespace tekvora::db {

void connectDatabaseStartup(app::Startup &startup, app::AppState &state, app::PrivateDir &privateDir)
{
    startup.checkDatabases = [&state, &privateDir](const app::ClientDirs &, app::UserPrompt &prompt) {
        MessListProgress progress;
        ClientUpgrade upgrade(state.dirs, privateDir, state.startup.programVersion, prompt, progress);
        return upgrade.run();
    };
    startup.openDataModule = [](const app::ClientDirs &dirs, app::UserPrompt &prompt) {
        return openMainDatabase(dirs.dataDir(), prompt);
    };
}

} // namespace tekvora::db
