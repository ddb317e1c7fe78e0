#include "app/Startup.h"

#include "app/AppState.h"
#include "app/AppTexts.h"
#include "app/ClientSetup.h"
#include "app/DefaultFont.h"
#include "app/GlobalFormats.h"
#include "app/PrivateDir.h"
#include "app/ProgramRoot.h"
#include "app/ProgramVersion.h"
#include "app/UserPrompt.h"
#include "platform/SingleInstanceLock.h"

#include <QCoreApplication>

namespace tekvora::app {

namespace {
constexpr int kClient = 1;
}

Startup::Startup(AppState &state, PrivateDir &privateDir, UserPrompt &prompt)
    : m_state(state), m_privateDir(privateDir), m_prompt(prompt)
{
}

Startup::~Startup() = default;

QString Startup::instanceLockName(const QString &programVersion)
{
    return QStringLiteral("Tekvora ") + programVersion;
}

bool Startup::run(const QStringList &arguments)
{
    m_privateDir.release();

    const StartupArguments switches = parseStartupArguments(arguments);
    StartupState &startup = m_state.startup;
    startup.singleInstance = switches.singleInstance;
    startup.soundOn = switches.soundOn;
    startup.serviceMode = switches.serviceMode;

    m_state.dirs = ClientDirs(programRoot(switches.root), kClient);
    if (!prepareClientDirs(m_state.dirs, m_privateDir, m_prompt))
        return false;

    startup.programVersion = programVersionText(builtVersion());
    applyGlobalFormats();
    startup.defaultEditorFont = readDefaultEditorFont(m_state.dirs.defaultFontFile());

    if (startup.singleInstance && !takeInstanceLock())
        return false;

    if (checkDatabases && !checkDatabases(m_state.dirs, m_prompt)) {
        m_prompt.error(texts::databasesNotPrepared());
        releaseInstanceLock();
        return false;
    }
    // Let the progress window of the database check go before the main window is built.
    QCoreApplication::processEvents();

    if (openDataModule && !openDataModule(m_state.dirs, m_prompt)) {
        releaseInstanceLock();
        return false;
    }
    return true;
}

bool Startup::takeInstanceLock()
{
    m_instanceLock = std::make_unique<platform::SingleInstanceLock>(
        m_state.dirs.settingsDir(), instanceLockName(m_state.startup.programVersion));
    if (m_instanceLock->tryAcquire())
        return true;
    m_instanceLock.reset();
    m_prompt.inform(texts::alreadyRunning(m_state.startup.programVersion));
    return false;
}

void Startup::releaseInstanceLock()
{
    if (m_instanceLock)
        m_instanceLock->release();
}

} // namespace tekvora::app
