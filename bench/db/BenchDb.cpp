// Store figures: bulk insert, the person view over a million records, look-ups, free numbers.
#include "db/BulkStatement.h"
#include "db/Database.h"
#include "db/Numbers.h"
#include "db/SqlHelpers.h"
#include "db/StorageValue.h"

#include <QSqlQuery>
#include <QTemporaryDir>

#include "BenchMain.h"

#include <benchmark/benchmark.h>

#include <functional>

using namespace tekvora::db;

namespace {

/// The values of person record i: spread over three years from 2022 in no particular time order.
QVariantList personRecordValues(int i)
{
    static const QDateTime origin(QDate(2022, 1, 1), QTime(6, 0), Qt::UTC); // no time-zone look-ups
    const qint64 span = 3LL * 365 * 24 * 3600;
    const QDateTime start = origin.addSecs(qint64(i) * 7919 % span);
    const QVariant startText = dateTimeToStorage(start);
    const QVariant endText = dateTimeToStorage(start.addSecs(5400));
    return {i, 0, 2, 0, 0, 1000 + i % 500, 1 + i % 500, "Objekt", 1 + i % 80, "Mitarbeiter",
            300 + i % 40, 1 + i % 40, i, "Taetigkeit", dateToStorage(start.date()) + " 00:00:00",
            startText, endText, 1.5, startText, endText, 1.5, 0, 0, 4711, i};
}

/// Inserts the person records 1 to count, as valuesOf gives them, in one transaction.
void insertPersonRecords(QSqlDatabase db, int count, const std::function<QVariantList(int)> &valuesOf)
{
    db.transaction();
    BulkStatement insert(db, "insert into MdePJ (SC_ID, SC_Seq, SC_EntryType, SC_TourID, SC_TourNr, SC_ObjNr, SC_ObjID, "
                   "SC_ObjBez, SC_PersNr, SC_Persname, SC_TaetigNr, SC_TaetigID, SC_JobID, SC_TaetigText, SC_TourDate, "
                   "SC_StartPers, SC_EndPers, SC_DauerPers, SC_StartJob, SC_EndJob, SC_DauerJob, SC_CalcMode, SC_State, "
                   "SC_ScannerID, SC_Ref) values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
    for (int i = 1; i <= count; ++i)
        insert.exec(valuesOf(i));
    db.commit();
}

struct Store
{
    QTemporaryDir dir;
    QString connection;
    explicit Store(const QString &name)
        : connection(name)
    {
        createDatabase(connection, dir.path());
    }
    ~Store() { closeDatabase(connection); }
    QSqlDatabase db() const { return database(connection); }
};

void BM_Insert100000PersonRecords(benchmark::State &state)
{
    int round = 0;
    for (auto _ : state) {
        // Only the store's work is timed; the caller has its values ready, as a posting run has.
        state.PauseTiming();
        Store store(QStringLiteral("Insert%1").arg(round++));
        QList<QVariantList> rows;
        for (int i = 1; i <= 100000; ++i)
            rows.append(personRecordValues(i));
        state.ResumeTiming();
        insertPersonRecords(store.db(), 100000, [&rows](int i) { return rows.at(i - 1); });
    }
}
BENCHMARK(BM_Insert100000PersonRecords)->Unit(benchmark::kMillisecond)->Iterations(3);

Store &millionRecords()
{
    static Store store(QStringLiteral("Million"));
    static const bool filled = [] {
        insertPersonRecords(store.db(), 1000000, personRecordValues);
        QSqlQuery(store.db()).exec("ANALYZE");
        return true;
    }();
    Q_UNUSED(filled)
    return store;
}

void BM_PersonViewOneMonthFirstRows(benchmark::State &state)
{
    Store &store = millionRecords();
    for (auto _ : state) {
        QSqlQuery query = openQuery("Select * from MdePJ\nwhere (SC_StartPers>='01.03.2023') AND(SC_StartPers<'01.04.2023')\n"
                                    "order by SC_PersNr,SC_StartPers",
                                    store.db());
        int rows = 0;
        while (rows < 50 && query.next())
            ++rows;
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(BM_PersonViewOneMonthFirstRows)->Unit(benchmark::kMillisecond);

void BM_PersonViewOneMonthAllRows(benchmark::State &state)
{
    Store &store = millionRecords();
    for (auto _ : state) {
        QSqlQuery query = openQuery("Select * from MdePJ\nwhere (SC_StartPers>='01.03.2023') AND(SC_StartPers<'01.04.2023')\n"
                                    "order by SC_PersNr,SC_StartPers",
                                    store.db());
        int rows = 0;
        while (query.next())
            ++rows;
        state.counters["rows"] = rows;
    }
}
BENCHMARK(BM_PersonViewOneMonthAllRows)->Unit(benchmark::kMillisecond);

Store &sites()
{
    static Store store(QStringLiteral("Sites"));
    static const bool filled = [] {
        QSqlDatabase db = store.db();
        db.transaction();
        QSqlQuery insert(db);
        insert.prepare("insert into Objekte (O_ID, O_Nr, O_Match) values (?, ?, ?)");
        for (int i = 1; i <= 100000; ++i) {
            insert.bindValue(0, i);
            insert.bindValue(1, i);
            insert.bindValue(2, QStringLiteral("Objekt %1").arg(i));
            insert.exec();
        }
        db.commit();
        return true;
    }();
    Q_UNUSED(filled)
    return store;
}

void BM_SiteNameByNumber(benchmark::State &state)
{
    Store &store = sites();
    int number = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(siteNameByNumber(number, store.db()));
        number = number % 100000 + 1;
    }
}
BENCHMARK(BM_SiteNameByNumber)->Unit(benchmark::kMicrosecond);

void BM_NextFreeSiteNumberWithoutGaps(benchmark::State &state)
{
    Store &store = sites();
    for (auto _ : state)
        benchmark::DoNotOptimize(nextFreeSiteNumber(store.db()));
}
BENCHMARK(BM_NextFreeSiteNumberWithoutGaps)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return tekvora::bench::runBenchmarks(argc, argv);
}
