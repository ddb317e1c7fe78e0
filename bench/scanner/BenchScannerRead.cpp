#include "scanner/ScanFile.h"
#include "scanner/ScannerOperations.h"
#include "scanner/ScannerRegister.h"
#include "scanner/ScannerMonitor.h"
#include "scanner/Csp2Link.h"
#include "scanner/emu/PtyScannerHost.h"
#include "scanner/emu/ScannerEmulator.h"
#include "support/PresetPrompt.h"

#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "BenchMain.h"

#include <benchmark/benchmark.h>

using namespace tekvora::scanner;

namespace {

// A pseudo-terminal has no baud rate, so what is measured is our own share of a read.
struct LoadedScanner
{
    explicit LoadedScanner(int barcodes)
    {
        const QDateTime start({2026, 12, 10}, {6, 0, 0});
        for (int i = 0; i < barcodes; ++i)
            emulator.addBarcode(start.addSecs(i * 37), "TN" + QByteArray::number(1000 + i));
        host.open();
        host.start();
    }
    emu::ScannerEmulator emulator;
    emu::PtyScannerHost host{emulator};
};

void linkReadsBarcodes(benchmark::State &state)
{
    LoadedScanner scanner(int(state.range(0)));
    Csp2Link link;
    for (auto _ : state) {
        link.csp2Init(scanner.host.devicePath());
        benchmark::DoNotOptimize(link.csp2ReadData());
        link.csp2Restore();
    }
}
BENCHMARK(linkReadsBarcodes)->Arg(1000)->Unit(benchmark::kMillisecond);

void readScannerIntoScanFile(benchmark::State &state)
{
    LoadedScanner scanner(int(state.range(0)));
    QTemporaryDir dir;
    static int runs = 0;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-%1").arg(++runs));
    db.setDatabaseName(dir.filePath(QStringLiteral("bench.sqlite")));
    db.open();
    QSqlQuery(db).exec(QStringLiteral("CREATE TABLE Scandev (SV_ID INTEGER PRIMARY KEY, SV_ScannerID INTEGER, "
                                      "SV_Zuletztgelesen TEXT)"));
    QSqlQuery(db).exec(QStringLiteral("INSERT INTO Scandev VALUES (1, 12345678, NULL)"));
    Csp2Link link;
    ScannerRegister scanners(db);
    tekvora::test::PresetPrompt prompt;
    ScannerMonitor monitor;
    ScannerOperations operations(link, scanners, prompt, monitor);
    const ScannerSetup setup{scanner.host.devicePath(), scanFilePath(dir.path()), {}};
    for (auto _ : state) {
        if (!operations.readScanner(setup, {false, false}))
            state.SkipWithError("read failed");
        state.PauseTiming();
        QFile::remove(setup.scanFile);
        state.ResumeTiming();
    }
}
BENCHMARK(readScannerIntoScanFile)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return tekvora::bench::runBenchmarks(argc, argv);
}
