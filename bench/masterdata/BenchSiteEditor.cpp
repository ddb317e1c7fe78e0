// The site editor over 100,000 sites: opening it, changing the sort column and typing a search.
#include "BenchSites.h"
#include "GuiBenchMain.h"
#include "app/ClientDirs.h"
#include "db/Database.h"
#include "masterdata/ui/TF_Objekt.h"
#include "support/PresetPrompt.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

using tekvora::masterdata::TF_Objekt;

namespace
{

constexpr int SiteCount = 100000;

// Every tenth site inactive, every third selected, every tenth with an activity.
void fillSites(QSqlDatabase db)
{
    tekvora::bench::insertBenchSites(db, SiteCount);
    QSqlQuery query(db);
    query.exec("UPDATE Objekte SET O_Aktiv = (O_ID % 10 <> 0), O_Selected = (O_ID % 3 = 0)");
    db.transaction();
    query.prepare("INSERT INTO OTaetNeu (TS_ID, TS_ObjID, TS_Objekt, TS_Taetigkeit, TS_Modus) VALUES (?, ?, ?, ?, 1)");
    for (int i = 1; i <= SiteCount / 10; ++i) {
        query.addBindValue(i);
        query.addBindValue(i * 10);
        query.addBindValue(i * 70 % 999983);
        query.addBindValue(i % 50);
        query.exec();
    }
    db.commit();
}

struct Client {
    Client() : dirs(root.path())
    {
        QDir().mkpath(dirs.dataDir());
        tekvora::db::createDatabase(tekvora::db::kConnectionName, dirs.dataDir());
        fillSites(tekvora::db::database());
    }
    QTemporaryDir root;
    tekvora::app::ClientDirs dirs;
    tekvora::test::PresetPrompt prompt;
};

Client &client()
{
    static Client instance;
    return instance;
}

void settle(QWidget &window)
{
    window.repaint(); // rows are fetched when painted
    QCoreApplication::processEvents();
}

void BM_OpenSiteEditor(benchmark::State &state)
{
    Client &c = client();
    for (auto _ : state) {
        TF_Objekt editor(c.dirs, c.prompt);
        editor.show();
        settle(editor);
    }
}
BENCHMARK(BM_OpenSiteEditor)->Unit(benchmark::kMillisecond);

// A click on a column title; the argument is the column.
void BM_ChangeSortColumn(benchmark::State &state)
{
    Client &c = client();
    TF_Objekt editor(c.dirs, c.prompt);
    editor.show();
    settle(editor);
    auto *grid = editor.findChild<QTableView *>("GridObjekte");
    const int column = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        emit grid->horizontalHeader()->sectionClicked(column == 0 ? 1 : 0);
        settle(editor);
        state.ResumeTiming();
        emit grid->horizontalHeader()->sectionClicked(column);
        settle(editor);
    }
}
BENCHMARK(BM_ChangeSortColumn)->DenseRange(0, 7)->Unit(benchmark::kMillisecond);

// One key typed into the search box, sorted by number (0) or search term (1).
void BM_SearchKeystroke(benchmark::State &state)
{
    Client &c = client();
    TF_Objekt editor(c.dirs, c.prompt);
    editor.show();
    auto *grid = editor.findChild<QTableView *>("GridObjekte");
    emit grid->horizontalHeader()->sectionClicked(int(state.range(0)));
    settle(editor);
    auto *search = editor.findChild<QLineEdit *>("EditSuchen");
    tekvora::bench::SearchTyping typing(*search, state.range(0) == 0);
    for (auto _ : state) {
        typing.typeNextKey(state);
        settle(editor);
    }
}
BENCHMARK(BM_SearchKeystroke)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return tekvora::bench::runGuiBenchmarks(argc, argv);
}
