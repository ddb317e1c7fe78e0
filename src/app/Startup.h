#pragma once

#include "app/StartupArguments.h"

#include <QStringList>

#include <functional>
#include <memory>

namespace tekvora::platform {
class SingleInstanceLock;
}

namespace tekvora::app {

struct AppState;
class ClientDirs;
class PrivateDir;
class UserPrompt;

/// The program's start before its windows: switches, the directories of client 1, the version,
/// the global formats, the editor font, the single-instance lock, the database check and the data
/// module. The database and data-module steps are hooks their subsystems fill in; an empty hook
/// has nothing to do. The windows and the event loop follow in main().
class Startup
{
public:
    Startup(AppState &state, PrivateDir &privateDir, UserPrompt &prompt);
    ~Startup();

    /// Checks and, if needed, creates or upgrades the client's databases; false when that failed.
    std::function<bool(const ClientDirs &, UserPrompt &)> checkDatabases;
    /// Opens the database connection of the client (the data module); false ends the program
    /// (the hook has told the user why).
    std::function<bool(const ClientDirs &, UserPrompt &)> openDataModule;

    /// Runs every step up to the windows; false when the program has to end now.
    bool run(const QStringList &arguments);

    /// Lets another copy of the same version start; the failure paths call it before ending.
    void releaseInstanceLock();

    /// Name of the single-instance lock: "Tekvora " + version.
    static QString instanceLockName(const QString &programVersion);

private:
    bool takeInstanceLock();

    AppState &m_state;
    PrivateDir &m_privateDir;
    UserPrompt &m_prompt;
    std::unique_ptr<platform::SingleInstanceLock> m_instanceLock;
};

} // namespace tekvora::app
