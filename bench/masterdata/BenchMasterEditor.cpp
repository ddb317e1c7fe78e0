// The editing grid over 100,000 sites of the real schema: opening, a title click, a search keystroke and
// moving to another row (which reads that record).
#include "BenchSites.h"
#include "GuiBenchMain.h"
#include "db/Database.h"
#include "db/ui/SortGridView.h"
#include "db/ui/SqlGridModel.h"
#include "masterdata/ui/MasterEditor.h"
#include "support/PresetPrompt.h"

#include <QApplication>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

using namespace tekvora;

namespace {

constexpr int SiteCount = 100000;

struct Sites {
    Sites()
    {
        db::createDatabase(db::kConnectionName, dir.path());
        QSqlDatabase store = db::database();
        bench::insertBenchSites(store, SiteCount);
    }
    QTemporaryDir dir;
};

db::GridColumns siteColumns()
{
    return {{"O_Nr", "Obj.-Nr.", 60, db::GridDisplay::Plain, true},
            {"O_Match", "Suchbegriff", 120, db::GridDisplay::Plain, true},
            {"O_Name1", "Name 1", 150, db::GridDisplay::Plain, true},
            {"O_Strasse", "Strasse", 150, db::GridDisplay::Plain, true},
            {"O_Plz", "Plz", 50, db::GridDisplay::Plain, true},
            {"O_Ort", "Ort", 120, db::GridDisplay::Plain, true},
            {"O_Aktiv", "Aktiv", 40, db::GridDisplay::YesNoNullYes},
            {"O_Selected", "Wahl", 40, db::GridDisplay::YesNo}};
}

struct Editor {
    Editor() : editor(masterdata::siteTable(), siteColumns(), prompt, &window)
    {
        window.resize(900, 600);
        editor.grid()->setParent(&window);
        editor.grid()->resize(880, 580);
        search.setParent(&window);
        editor.attachSearchBox(&search);
    }
    test::PresetPrompt prompt;
    QWidget window;
    QLineEdit search;
    masterdata::MasterEditor editor;
};

Sites &sites()
{
    static Sites instance;
    return instance;
}

void BM_OpenEditor(benchmark::State &state)
{
    sites();
    for (auto _ : state) {
        Editor e;
        e.editor.open();
        e.editor.sortBy("O_Nr");
        e.window.show();
        e.window.repaint(); // the rows are fetched when painted
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_OpenEditor)->Unit(benchmark::kMillisecond);

// A click on the "Ort" title and back on "Obj.-Nr.", each with the grid repainted.
void BM_TitleClick(benchmark::State &state)
{
    sites();
    Editor e;
    e.editor.open();
    e.window.show();
    e.editor.goToRow(SiteCount / 2);
    bool byPlace = false;
    for (auto _ : state) {
        byPlace = !byPlace;
        e.editor.grid()->sortGridByColumn(byPlace ? 5 : 0);
        e.window.repaint();
    }
}
BENCHMARK(BM_TitleClick)->Unit(benchmark::kMillisecond);

void BM_SearchKeystroke(benchmark::State &state)
{
    sites();
    Editor e;
    e.editor.open();
    e.editor.sortBy("O_Match");
    e.window.show();
    bench::SearchTyping typing(e.search, false);
    for (auto _ : state) {
        typing.typeNextKey(state);
        e.window.repaint();
    }
}
BENCHMARK(BM_SearchKeystroke)->Unit(benchmark::kMillisecond);

// Moving to a far row reads that record for the edit fields.
void BM_MoveToRow(benchmark::State &state)
{
    sites();
    Editor e;
    e.editor.open();
    e.window.show();
    QRandomGenerator random(5);
    for (auto _ : state) {
        e.editor.goToRow(random.bounded(SiteCount));
        e.window.repaint();
    }
}
BENCHMARK(BM_MoveToRow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return tekvora::bench::runGuiBenchmarks(argc, argv);
}
