// Upgrading a version-125 client with 10,000 sites, 2,000 staff and 500,000 person records.
#include "UpgradeFixture.h"

#include "app/PrivateDir.h"
#include "app/UserPrompt.h"
#include "backup/FileUtils.h"
#include "db/ClientUpgrade.h"
#include "db/UpgradeProgress.h"

#include <QTemporaryDir>

#include "BenchMain.h"

#include <benchmark/benchmark.h>

namespace fx = tekvora::test::upgradefixture;
using namespace tekvora;

namespace {

class KeepBackups : public app::UserPrompt
{
public:
    bool confirm(const QString &) override { return false; }
    void inform(const QString &) override {}
    void error(const QString &text) override { qWarning("%s", qPrintable(text)); }
};

class CountingProgress : public db::UpgradeProgress
{
public:
    void setStatus(const QString &) override { ++statusUpdates; }
    int statusUpdates = 0;
};

void BM_UpgradeLargeClient(benchmark::State &state)
{
    QTemporaryDir source;
    const app::ClientDirs sourceDirs = fx::clientDirs(source.path() + u'/');
    fx::writeVersion125Client(sourceDirs, 0);
    fx::fillTable(sourceDirs.dataDir(), QStringLiteral("Objekte"), 10000);
    fx::fillTable(sourceDirs.dataDir(), QStringLiteral("Personal"), 2000);
    fx::fillTable(sourceDirs.dataDir(), QStringLiteral("MdePJ"), 500000);
    KeepBackups prompt;

    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir root;
        app::ClientDirs dirs = fx::clientDirs(root.path() + u'/');
        backup::copyTree(prompt, sourceDirs.dataDir(), dirs.dataDir());
        app::PrivateDir privateDir;
        CountingProgress progress;
        db::ClientUpgrade upgrade(dirs, privateDir, QStringLiteral("bench"), prompt, progress);
        state.ResumeTiming();

        if (!upgrade.run())
            state.SkipWithError("upgrade failed");
        state.counters["status_updates"] = progress.statusUpdates;
    }
}

} // namespace

BENCHMARK(BM_UpgradeLargeClient)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

int main(int argc, char **argv)
{
    return tekvora::bench::runBenchmarks(argc, argv);
}
