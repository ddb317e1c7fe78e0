// Statistics views over three years of posted data: 200,000 visits and 1,000,000 person records.
// Measures what the user waits for on "Anwenden" for one month and on showing another tab (the
// grid's first rows painted and the footer sums), scrolling through the month, and the peak
// memory meanwhile.

#include "db/Database.h"
#include "db/TableCreation.h"
#include "stats/StatsQuery.h"
#include "stats/ui/StatsGrid.h"
#include "stats/ui/StatsPanel.h"
#include "stats/ui/StatsTableModel.h"
#include "support/PresetPrompt.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDriver>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>
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

sqlite3 *handleOf(const QSqlDatabase &db)
{
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        qFatal("no sqlite3 handle");
    return *static_cast<sqlite3 *const *>(handle.constData());
}

void check(int rc, sqlite3 *h)
{
    if (rc != SQLITE_OK && rc != SQLITE_DONE)
        qFatal("sqlite: %s", sqlite3_errmsg(h));
}

sqlite3_stmt *prepare(sqlite3 *h, const char *sql)
{
    sqlite3_stmt *statement = nullptr;
    check(sqlite3_prepare_v2(h, sql, -1, &statement, nullptr), h);
    return statement;
}

void text(sqlite3_stmt *s, int i, const char *value)
{
    sqlite3_bind_text(s, i, value, -1, SQLITE_TRANSIENT);
}

// Stored date-time text of the day plus minutes.
void stamp(char *out, const QDate &day, int minutes)
{
    const QDate d = day.addDays(minutes / 1440);
    minutes %= 1440;
    std::snprintf(out, 20, "%04d-%02d-%02d %02d:%02d:00", d.year(), d.month(), d.day(), minutes / 60, minutes % 60);
}

// The secondary indexes of the statistics tables as the store created them; dropped while filling,
// since building them afterwards in one sort is many times faster than keeping them up row by row.
QStringList dropSecondaryIndexes(sqlite3 *h)
{
    QStringList creates;
    sqlite3_stmt *list = prepare(h, "SELECT name, sql FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL"
                                    " AND tbl_name IN ('MdeObj', 'MdePJ')");
    QStringList names;
    while (sqlite3_step(list) == SQLITE_ROW) {
        names << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(list, 0)));
        creates << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(list, 1)));
    }
    sqlite3_finalize(list);
    for (const QString &name : names)
        check(sqlite3_exec(h, QStringLiteral("DROP INDEX \"%1\"").arg(name).toUtf8().constData(), nullptr, nullptr,
                           nullptr),
              h);
    return creates;
}

// One transaction, two prepared statements on the raw handle, indexes built at the end.
void fill(const QSqlDatabase &db)
{
    sqlite3 *h = handleOf(db);
    check(sqlite3_exec(h, "BEGIN", nullptr, nullptr, nullptr), h);
    const QStringList indexes = dropSecondaryIndexes(h);
    sqlite3_stmt *visit = prepare(h,
        "INSERT INTO MdeObj (SC_ID, SC_Seq, SC_EntryType, SC_TourID, SC_TourNr, SC_ObjNr, SC_ObjID, SC_ObjBez, "
        "SC_TourDate, SC_StartTime, SC_EndTime, SC_Dauer, SC_DauerPers, SC_DauerJob, SC_CalcMode, SC_State, "
        "SC_ScannerID, SC_Ref) VALUES (?1, 0, 1, 0, 0, ?2, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, 0, 1, 4711, 0)");
    sqlite3_stmt *person = prepare(h,
        "INSERT INTO MdePJ (SC_ID, SC_Seq, SC_EntryType, SC_TourID, SC_TourNr, SC_ObjNr, SC_ObjID, SC_ObjBez, "
        "SC_PersNr, SC_Persname, SC_TaetigNr, SC_TaetigID, SC_JobID, SC_TaetigText, SC_TourDate, SC_StartPers, "
        "SC_EndPers, SC_DauerPers, SC_StartJob, SC_EndJob, SC_DauerJob, SC_CalcMode, SC_State, SC_ScannerID, "
        "SC_Ref) VALUES (?1, 0, 2, 0, 0, ?2, ?2, ?3, ?4, ?5, ?6, 0, 0, ?7, ?8, ?9, ?10, ?11, ?9, ?12, ?13, 0, 1, "
        "4711, ?14)");
    char name[32], staffName[32], activity[32], day[20], start[20], end[20], jobEnd[20];
    qint64 id = 0;
    for (int i = 0; i < Visits; ++i) {
        const QDate date = FirstDay.addDays(qint64(i) * Days / Visits);
        const int startMinute = 6 * 60 + (i % 96) * 10; // some visits run past midnight
        const int minutes = 15 * (1 + i % 12);
        const int site = 1 + i % Sites;
        std::snprintf(name, sizeof name, "Objekt %d", site);
        stamp(day, date, 0);
        stamp(start, date, startMinute);
        stamp(end, date, startMinute + minutes);
        const qint64 visitId = ++id;
        sqlite3_bind_int64(visit, 1, visitId);
        sqlite3_bind_int(visit, 2, site);
        text(visit, 3, name);
        text(visit, 4, day);
        text(visit, 5, start);
        text(visit, 6, end);
        sqlite3_bind_double(visit, 7, minutes / 60.0);
        sqlite3_bind_double(visit, 8, PersonsPerVisit * minutes / 60.0);
        sqlite3_bind_double(visit, 9, PersonsPerVisit * minutes / 120.0);
        check(sqlite3_step(visit), h);
        sqlite3_reset(visit);
        for (int p = 0; p < PersonsPerVisit; ++p) {
            const int staff = 1 + (i * PersonsPerVisit + p) % Staff;
            std::snprintf(staffName, sizeof staffName, "Mitarbeiter %d", staff);
            std::snprintf(activity, sizeof activity, "Tätigkeit %d", 1 + p % 2);
            stamp(jobEnd, date, startMinute + minutes / 2);
            sqlite3_bind_int64(person, 1, ++id);
            sqlite3_bind_int(person, 2, site);
            text(person, 3, name);
            sqlite3_bind_int(person, 4, staff);
            text(person, 5, staffName);
            sqlite3_bind_int(person, 6, 1 + p % 2);
            text(person, 7, activity);
            text(person, 8, day);
            text(person, 9, start);
            text(person, 10, end);
            sqlite3_bind_double(person, 11, minutes / 60.0);
            text(person, 12, jobEnd);
            sqlite3_bind_double(person, 13, minutes / 120.0);
            sqlite3_bind_int64(person, 14, visitId);
            check(sqlite3_step(person), h);
            sqlite3_reset(person);
        }
    }
    sqlite3_finalize(visit);
    sqlite3_finalize(person);
    for (const QString &create : indexes)
        check(sqlite3_exec(h, create.toUtf8().constData(), nullptr, nullptr, nullptr), h);
    check(sqlite3_exec(h, "COMMIT", nullptr, nullptr, nullptr), h);
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
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_fixture.reset();
    return 0;
}
