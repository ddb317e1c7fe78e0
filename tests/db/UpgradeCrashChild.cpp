// Runs the check and upgrade of client 1 below a root and ends the process abruptly, without any
// clean-up, when the upgrade reaches its n-th step: the crash test's stand-in for a power cut.
//   UpgradeCrashChild ROOT N ANSWER   (ANSWER "ja" or "nein" for every question)
#include "UpgradeFixture.h"

#include "app/PrivateDir.h"
#include "app/UserPrompt.h"
#include "db/ClientUpgrade.h"
#include "db/UpgradeProgress.h"

#include <QCoreApplication>

#include <unistd.h>

namespace {

class FixedAnswer : public tekvora::app::UserPrompt
{
public:
    explicit FixedAnswer(bool answer)
        : m_answer(answer)
    {
    }
    bool confirm(const QString &) override { return m_answer; }
    void inform(const QString &) override {}
    void error(const QString &) override {}

private:
    bool m_answer;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        return 2;
    tekvora::app::ClientDirs dirs = tekvora::test::upgradefixture::clientDirs(args.at(1));
    const int crashAt = args.at(2).toInt();
    FixedAnswer prompt(args.at(3) == QLatin1String("ja"));
    tekvora::db::UpgradeProgress progress;
    tekvora::app::PrivateDir privateDir;
    tekvora::db::ClientUpgrade upgrade(dirs, privateDir, QStringLiteral("test"), prompt, progress);
    int steps = 0;
    upgrade.stepHook = [&](tekvora::db::UpgradeStep) {
        if (++steps == crashAt)
            _exit(3);
    };
    const bool ok = upgrade.run();
    return ok ? 0 : 1;
}
