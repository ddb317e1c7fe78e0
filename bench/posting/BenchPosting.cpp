#include "posting/PostingFixture.h"
#include "posting/ScanTestSupport.h"
#include "posting/ScanPosting.h"
#include "posting/ScanRunStore.h"
#include "app/ProgressSink.h"

#include "BenchMain.h"

#include <benchmark/benchmark.h>

using namespace tekvora::posting;

static QStringList week(int lines)
{
    QStringList out{"SC_ID:00004711"};
    QDateTime t(QDate(2026, 3, 2), QTime(7, 0));
    const char *codes[] = {"ON100", "MA5", "MA6", "TN7", "TN7", "TN8", "MA6", "TN8", "ON100"};
    for (int i = 0; out.size() <= lines; ++i) {
        out << t.toString("dd.MM.yyyy hh:mm ") + codes[i % 9];
        t = t.addSecs(240);
    }
    return out;
}

static void interpretAndSave(benchmark::State &state)
{
    const QStringList lines = week(100000);
    for (auto _ : state) {
        tekvora::test::PostingStore store;
        tekvora::test::TableScannerRegister reg;
        reg.rows.insert(4711, {false, 0, {}});
        const Interpretation run = interpretScanLines(lines, ScanStandards{}, reg);
        saveScanRun(store.db, run.records, run.scannerId, run.lastProcessedLine);
        state.counters["records"] = run.records.size();
    }
}
BENCHMARK(interpretAndSave)->Unit(benchmark::kMillisecond)->Iterations(1);

static void postAll(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        tekvora::test::PostingStore store;
        tekvora::test::TableScannerRegister reg;
        reg.rows.insert(4711, {false, 0, {}});
        const Interpretation run = interpretScanLines(week(60000), ScanStandards{}, reg);
        saveScanRun(store.db, run.records, run.scannerId, run.lastProcessedLine);
        store.exec("UPDATE Scanimp SET SC_State = 1");
        state.counters["raw"] = run.records.size();
        state.ResumeTiming();
        tekvora::app::ProgressSink sink;
        postRawScanRecords(store.db, sink);
    }
}
BENCHMARK(postAll)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char **argv)
{
    return tekvora::bench::runBenchmarks(argc, argv);
}
