// Statistics views over three years of posted data: 200,000 visits and 1,000,000 person records.
// Measures what the user waits for on "Anwenden" for one month and on showing another tab (the
// grid's first rows painted and the footer sums), scrolling through the month, and the peak
// memory meanwhile.

#include "db/BulkStatement.h"
#include "db/Database.h"
#include "db/StorageValue.h"
#include "db/TableCreation.h"
#include "stats/StatsQuery.h"
#include "stats/ui/StatsGrid.h"
#include "stats/ui/StatsPanel.h"
#include "stats/ui/StatsTableModel.h"
#include "support/PresetPrompt.h"

#include <benchmark/benchmark.h>

#include "GuiBenchMain.h"
#include <QElapsedTimer>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTemporaryDir>

#include <memory>

using namespace tekvora;
using namespace tekvora::stats;

namespace {

constexpr int Visits = 200000;
constexpr int PersonsPerVisit = 5;
constexpr int Sites = 400;
constexpr int Staff = 120;
const QDate FirstDay(2024, 1, 1);
constexpr int Days = 1096; // three years
const StatsPeriod Month{QDate(2025, 6, 1), QDate(2025, 6, 30)};

void run(QSqlQuery &query, const QString &sql)
{
    if (!query.exec(sql))
        qFatal("sqlite: %s", qPrintable(query.lastError().text()));
}

void run(db::BulkStatement &statement, const QVariantList &values)
{
    if (!statement.exec(values))
        qFatal("sqlite: %s", qPrintable(statement.lastError()));
}

// Stored date-time text of the day plus minutes.
QString stamp(const QDate &day, int minutes)
{
    return db::dateTimeToStorage(day.addDays(minutes / 1440), QTime(minutes % 1440 / 60, minutes % 60));
}

// The secondary indexes of the statistics tables as the store created them; dropped while filling,
// since building them afterwards in one sort is many times faster than keeping them up row by row.
QStringList dropSecondaryIndexes(QSqlQuery &query)
{
    run(query, QStringLiteral("SELECT name, sql FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL"
                              " AND tbl_name IN ('MdeObj', 'MdePJ')"));
    QStringList names, creates;
    while (query.next()) {
        names << query.value(0).toString();
        creates << query.value(1).toString();
    }
    for (const QString &name : names)
        run(query, QStringLiteral("DROP INDEX \"%1\"").arg(name));
    return creates;
}

// One transaction, two bulk statements, indexes built at the end.
void fill(QSqlDatabase db)
{
    if (!db.transaction())
        qFatal("cannot begin the fill");
    QSqlQuery query(db);
    const QStringList indexes = dropSecondaryIndexes(query);
    db::BulkStatement visit(db,
        "INSERT INTO MdeObj (SC_ID, SC_Seq, SC_EntryType, SC_TourID, SC_TourNr, SC_ObjNr, SC_ObjID, SC_ObjBez, "
        "SC_TourDate, SC_StartTime, SC_EndTime, SC_Dauer, SC_DauerPers, SC_DauerJob, SC_CalcMode, SC_State, "
        "SC_ScannerID, SC_Ref) VALUES (?1, 0, 1, 0, 0, ?2, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, 0, 1, 4711, 0)");
    db::BulkStatement person(db,
        "INSERT INTO MdePJ (SC_ID, SC_Seq, SC_EntryType, SC_TourID, SC_TourNr, SC_ObjNr, SC_ObjID, SC_ObjBez, "
        "SC_PersNr, SC_Persname, SC_TaetigNr, SC_TaetigID, SC_JobID, SC_TaetigText, SC_TourDate, SC_StartPers, "
        "SC_EndPers, SC_DauerPers, SC_StartJob, SC_EndJob, SC_DauerJob, SC_CalcMode, SC_State, SC_ScannerID, "
        "SC_Ref) VALUES (?1, 0, 2, 0, 0, ?2, ?2, ?3, ?4, ?5, ?6, 0, 0, ?7, ?8, ?9, ?10, ?11, ?9, ?12, ?13, 0, 1, "
        "4711, ?14)");
    qint64 id = 0;
    for (int i = 0; i < Visits; ++i) {
        const QDate date = FirstDay.addDays(qint64(i) * Days / Visits);
        const int startMinute = 6 * 60 + (i % 96) * 10; // some visits run past midnight
        const int minutes = 15 * (1 + i % 12);
        const int site = 1 + i % Sites;
        const QString name = QStringLiteral("Objekt %1").arg(site);
        const QString day = stamp(date, 0);
        const QString start = stamp(date, startMinute);
        const QString end = stamp(date, startMinute + minutes);
        const qint64 visitId = ++id;
        run(visit, {visitId, site, name, day, start, end, minutes / 60.0, PersonsPerVisit * minutes / 60.0,
                    PersonsPerVisit * minutes / 120.0});
        const QString jobEnd = stamp(date, startMinute + minutes / 2);
        for (int p = 0; p < PersonsPerVisit; ++p) {
            const int staff = 1 + (i * PersonsPerVisit + p) % Staff;
            run(person, {++id, site, name, staff, QStringLiteral("Mitarbeiter %1").arg(staff), 1 + p % 2,
                         QStringLiteral("Tätigkeit %1").arg(1 + p % 2), day, start, end, minutes / 60.0, jobEnd,
                         minutes / 120.0, visitId});
        }
    }
    for (const QString &create : indexes)
        run(query, create);
    if (!db.commit())
        qFatal("cannot commit the fill");
}

double peakResidentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0.0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0.0;
}

// The store with its data and the statistics panel of the main window, shown off screen.
struct Fixture
{
    Fixture()
    {
        if (!db::createDatabase(db::kConnectionName, dir.path()).ok)
            qFatal("cannot create the benchmark store");
        if (!db::database().tables().contains(QStringLiteral("MdePJ"), Qt::CaseInsensitive))
            db::createMdeObjTables();
        QElapsedTimer timer;
        timer.start();
        fill(db::database());
        std::fprintf(stderr, "%d visits and %d person records stored in %lld ms, peak %.0f MB\n", Visits,
                     Visits * PersonsPerVisit, timer.elapsed(), peakResidentMegabytes());
        // From here the peak counts what the views need, not the filling's index sorts.
        QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
        if (clearRefs.open(QIODevice::WriteOnly))
            clearRefs.write("5");
        panel = std::make_unique<StatsPanel>(db::kConnectionName, prompt);
        panel->resize(1024, 700);
        panel->show();
        QApplication::processEvents();
    }

    QTemporaryDir dir;
    test::PresetPrompt prompt;
    std::unique_ptr<StatsPanel> panel;
};

std::unique_ptr<Fixture> g_fixture; // built on first use, gone before the application

Fixture &fixture()
{
    if (!g_fixture)
        g_fixture = std::make_unique<Fixture>();
    return *g_fixture;
}

void settle()
{
    QApplication::processEvents(); // lays out and paints the shown rows
}

// "Anwenden" for one month on the shown tab: its query, the first rows painted, the footer sums.
void BM_ApplyMonth(benchmark::State &state)
{
    StatsPanel &panel = *fixture().panel;
    panel.tabs()->setCurrentIndex(int(state.range(0)) - 1);
    settle();
    for (auto _ : state) {
        panel.setPeriod(Month);
        settle();
    }
    state.counters["rows_shown"] = panel.grid(panel.currentView())->model()->rowCount();
    state.counters["peak_MB"] = peakResidentMegabytes();
}
BENCHMARK(BM_ApplyMonth)->DenseRange(1, 4)->Unit(benchmark::kMillisecond);

// Showing the tab of the view from another tab, with the month applied.
void BM_ShowTab(benchmark::State &state)
{
    StatsPanel &panel = *fixture().panel;
    panel.setPeriod(Month);
    const int tab = int(state.range(0)) - 1;
    for (auto _ : state) {
        state.PauseTiming();
        panel.tabs()->setCurrentIndex((tab + 1) % 4);
        settle();
        state.ResumeTiming();
        panel.tabs()->setCurrentIndex(tab);
        settle();
    }
    state.counters["peak_MB"] = peakResidentMegabytes();
}
BENCHMARK(BM_ShowTab)->DenseRange(1, 4)->Unit(benchmark::kMillisecond);

// The parts of it: the view's query up to its first block of rows, and the footer sums.
void BM_FirstRows(benchmark::State &state)
{
    fixture();
    const StatsView view = static_cast<StatsView>(state.range(0));
    StatsTableModel model(viewDefinition(view));
    QString error;
    for (auto _ : state) {
        model.load(db::database(), viewRowsSql(view, Month), &error);
        benchmark::DoNotOptimize(model.rowCount());
    }
}
BENCHMARK(BM_FirstRows)->DenseRange(1, 4)->Unit(benchmark::kMillisecond);

void BM_FooterSums(benchmark::State &state)
{
    fixture();
    const StatsView view = static_cast<StatsView>(state.range(0));
    QString error;
    for (auto _ : state)
        benchmark::DoNotOptimize(viewFooterSums(db::database(), view, Month, {}, &error));
}
BENCHMARK(BM_FooterSums)->DenseRange(1, 4)->Unit(benchmark::kMillisecond);

// Each further block of rows the persons grid fetches while the user scrolls down the month.
void BM_ScrollBlock(benchmark::State &state)
{
    fixture();
    StatsTableModel model(viewDefinition(StatsView::Persons));
    QString error;
    for (auto _ : state) {
        if (!model.canFetchMore()) {
            state.PauseTiming();
            model.load(db::database(), viewRowsSql(StatsView::Persons, Month), &error);
            state.ResumeTiming();
        }
        model.fetchMore();
    }
    state.counters["peak_MB"] = peakResidentMegabytes();
}
BENCHMARK(BM_ScrollBlock)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    return tekvora::bench::runGuiBenchmarks(argc, argv, [] { g_fixture.reset(); });
}
