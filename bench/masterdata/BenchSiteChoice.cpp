// The site choice over 100,000 sites: opening the dialog and positioning the grid per keystroke.
#include "BenchSites.h"
#include "GuiBenchMain.h"
#include "masterdata/ui/TF_DbSelect.h"
#include "masterdata/ui/TableChoices.h"
#include "support/PresetPrompt.h"

#include <QApplication>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

using namespace tekvora::masterdata;

namespace {

constexpr int SiteCount = 100000;

void createSites(QSqlDatabase &db)
{
    QSqlQuery query(db);
    query.exec("CREATE TABLE Objekte (O_ID INTEGER PRIMARY KEY, O_Nr INTEGER, O_Match VARCHAR(40), "
               "O_Name1 VARCHAR(40), O_Strasse VARCHAR(40), O_Plz VARCHAR(10), O_Ort VARCHAR(30))");
    query.exec("CREATE UNIQUE INDEX O_INr ON Objekte (O_Nr)");
    query.exec("CREATE INDEX O_IMatch ON Objekte (O_Match COLLATE NOCASE)");
    tekvora::bench::insertBenchSites(db, SiteCount);
}

struct Sites
{
    Sites()
    {
        db = QSqlDatabase::addDatabase("QSQLITE", "Vidizavid");
        db.setDatabaseName(dir.filePath("tekvora.db"));
        db.open();
        createSites(db);
    }
    QTemporaryDir dir;
    QSqlDatabase db;
};

Sites &sites()
{
    static Sites instance;
    return instance;
}

DbSelectRequest siteRequest()
{
    sites();
    DbSelectRequest request;
    request.table = "Objekte";
    request.keyField = "O_Nr";
    request.columns = siteChoiceColumns();
    request.caption = "Objekt auswählen";
    request.gridHeight = 400;
    request.topLeft = QPoint(40, 40);
    return request;
}

void BM_OpenSiteChoice(benchmark::State &state)
{
    const DbSelectRequest request = siteRequest();
    tekvora::test::PresetPrompt prompt;
    for (auto _ : state) {
        TF_DbSelect dialog(request, 500000, QString(), prompt);
        dialog.show();
        dialog.repaint(); // the rows are fetched when painted
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_OpenSiteChoice)->Unit(benchmark::kMillisecond);

// One key typed into the search box: filter, nearest-key count, page fetch and repaint.
void BM_SearchKeystroke(benchmark::State &state)
{
    const DbSelectRequest request = siteRequest();
    tekvora::test::PresetPrompt prompt;
    const QString sortField = state.range(0) == 0 ? "O_Nr" : "O_Match";
    TF_DbSelect dialog(request, 0, sortField, prompt);
    dialog.show();
    auto *search = dialog.findChild<QLineEdit *>("edSearch");
    tekvora::bench::SearchTyping typing(*search, state.range(0) == 0);
    for (auto _ : state) {
        typing.typeNextKey(state);
        dialog.repaint();
    }
}
BENCHMARK(BM_SearchKeystroke)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return tekvora::bench::runGuiBenchmarks(argc, argv);
}
