#include "app/AppState.h"
#include "app/PrivateDir.h"
#include "app/Startup.h"
#include "app/ui/DialogPrompt.h"
#include "app/ui/QtTranslations.h"
#include "db/Database.h"
#include "db/ui/DatabaseStartup.h"
#include "stats/ui/TF_Tekvora.h"

#include <QApplication>
#include <QSqlQuery>

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

// The client name of the caption: the internal name of the first company record in key order.
std::optional<QString> readClientName()
{
    QSqlQuery query(db::database());
    if (!query.exec(QStringLiteral("SELECT F_NameIntern FROM Firmen ORDER BY F_ID")))
        return std::nullopt;
    return query.next() ? query.value(0).toString().trimmed() : QString();
}

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
    db::connectDatabaseStartup(startup, state, privateDir);
    try {
        if (!startup.run(QApplication::arguments().mid(1)))
            return 1;
        stats::TF_Tekvora mainWindow(state, prompt);
        mainWindow.setClientNameReader(readClientName);
        mainWindow.show();
        return QApplication::exec();
    } catch (...) {
        // Whatever escaped ends the program quietly; the next start must not find the lock held.
        startup.releaseInstanceLock();
        return 1;
    }
}
