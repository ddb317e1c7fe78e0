#include "app/AppState.h"
#include "app/PrivateDir.h"
#include "app/Startup.h"
#include "app/ui/DialogPrompt.h"
#include "app/ui/QtTranslations.h"
#include "stats/ui/TF_Tekvora.h"

#include <QApplication>

#include <cstdio>

using namespace tekvora;

namespace {

// Start-up messages also go to stderr, so whoever started the program from a shell or a script
// learns why it ended.
class StartupPrompt : public app::UserPrompt
{
public:
    bool confirm(const QString &text) override { return m_dialogs.confirm(text); }
    void inform(const QString &text) override
    {
        echo(text);
        m_dialogs.inform(text);
    }
    void error(const QString &text) override
    {
        echo(text);
        m_dialogs.error(text);
    }

private:
    static void echo(const QString &text)
    {
        std::fprintf(stderr, "%s\n", qPrintable(QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n'))));
        std::fflush(stderr);
    }
    app::DialogPrompt m_dialogs;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tekvora"));
    app::loadQtGermanTranslations();

    StartupPrompt prompt;
    app::AppState &state = app::appState();
    app::PrivateDir privateDir;
    app::Startup startup(state, privateDir, prompt);
    try {
        if (!startup.run(QApplication::arguments().mid(1)))
            return 1;
        stats::TF_Tekvora mainWindow(state, prompt);
        mainWindow.show();
        return QApplication::exec();
    } catch (...) {
        // Whatever escaped ends the program quietly; the next start must not find the lock held.
        startup.releaseInstanceLock();
        return 1;
    }
}
