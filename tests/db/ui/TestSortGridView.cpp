#include "db/ui/SortGridView.h"

#include "masterdata/SelectionTables.h"
#include "support/PresetPrompt.h"

#include <QApplication>
#include <QBrush>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QVBoxLayout>

using namespace tekvora::db;

namespace {

/// A window with a site grid and its search box, as an editor builds it.
struct SiteGrid
{
    SiteGrid()
    {
        tables.addSite(12, "Mühle", "Mühlenbetrieb", "Zell");
        tables.addSite(4, "Bäckerei", "Brot und Mehr", "Aachen");
        tables.addSite(30, "Apotheke", "Löwen-Apotheke", "Bonn");
        tables.addSite(7, "Schule", "Grundschule", "Aachen");
        model = new SqlGridModel(tables.db, "Objekte", "O_Nr",
                                 {{"O_Nr", "ObjNr.", 60}, {"O_Match", "Suchbegriff", 120}, {"O_Ort", "Ort", 100}},
                                 {}, &window);
        QVERIFY(model->open());
        auto *layout = new QVBoxLayout(&window);
        search = new QLineEdit(&window);
        grid = new SortGridView(&window);
        layout->addWidget(search);
        layout->addWidget(grid);
        grid->setGridModel(model);
        grid->attachSearchBox(search, prompt);
        grid->sortGridByField("O_Nr");
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    tekvora::test::SelectionTables tables;
    tekvora::test::PresetPrompt prompt;
    QWidget window;
    SqlGridModel *model = nullptr;
    QLineEdit *search = nullptr;
    SortGridView *grid = nullptr;
};

QPoint titleCentre(SortGridView *grid, int column)
{
    QHeaderView *header = grid->horizontalHeader();
    return {header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2};
}

} // namespace

class TestSortGridView : public QObject
{
    Q_OBJECT

private slots:
    void titleClickSortsMarksAndKeepsTheRecord()
    {
        SiteGrid site;
        site.grid->goToKey(30);
        QSignalSpy sorted(site.grid, &SortGridView::sortFieldChanged);
        QTest::mouseClick(site.grid->horizontalHeader()->viewport(), Qt::LeftButton, {}, titleCentre(site.grid, 2));
        QCOMPARE(sorted.count(), 1);
        QCOMPARE(sorted.first().first().toString(), QStringLiteral("O_Ort"));
        QCOMPARE(site.model->sortColumn(), 2);
        QCOMPARE(site.model->headerData(2, Qt::Horizontal, Qt::BackgroundRole).value<QBrush>().color(),
                 QColor(210, 205, 224));
        QCOMPARE(site.grid->currentKey().toInt(), 30);
        QCOMPARE(site.grid->currentIndex().row(), 2); // Aachen, Aachen, Bonn, Zell
        QCOMPARE(site.grid->columnWidth(1), 120);
    }

    void fieldNoColumnShowsSortsByTheFirstColumn()
    {
        SiteGrid site;
        site.grid->sortGridByField("O_Telefon");
        QCOMPARE(site.model->sortField(), QStringLiteral("O_Nr"));
        QCOMPARE(site.model->sortColumn(), 0);
    }

    void focusChangesTheColour()
    {
        SiteGrid site;
        site.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&site.window));
        site.grid->setFocus();
        QTRY_COMPARE(site.grid->palette().color(QPalette::Base), QGuiApplication::palette().color(QPalette::ToolTipBase));
        site.search->setFocus();
        QTRY_COMPARE(site.grid->palette().color(QPalette::Base), QGuiApplication::palette().color(QPalette::Base));
    }

    void searchBoxTakesOnlyFittingKeys_data()
    {
        QTest::addColumn<QString>("sortField");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("key");
        QTest::addRow("number") << "O_Nr" << "8" << "8" << 12;
        QTest::addRow("letters refused for numbers") << "O_Nr" << "a2" << "2" << 4;
        QTest::addRow("text") << "O_Match" << "s" << "s" << 7;
        QTest::addRow("text ignores case") << "O_Match" << "AP" << "AP" << 30;
    }

    void searchBoxTakesOnlyFittingKeys()
    {
        QFETCH(QString, sortField);
        QFETCH(QString, typed);
        SiteGrid site;
        site.grid->sortGridByField(sortField);
        QTest::keyClicks(site.search, typed);
        QTEST(site.search->text(), "text");
        QTEST(site.grid->currentKey().toInt(), "key");
        QVERIFY(site.prompt.shown.isEmpty());
    }

    void digitAfterTextEmptiesTheBox()
    {
        SiteGrid site;
        site.search->setText("x1");
        QTest::keyClick(site.search, Qt::Key_2);
        QCOMPARE(site.search->text(), QStringLiteral("2"));
    }

    void startSearchWithAKey()
    {
        SiteGrid site;
        site.search->setText("123");
        site.grid->startSearchWith(QLatin1Char('7'));
        QCOMPARE(site.search->text(), QStringLiteral("7"));
        QCOMPARE(site.grid->currentKey().toInt(), 7);
        site.grid->startSearchWith(QLatin1Char('x'));
        QCOMPARE(site.search->text(), QString());
    }
};

QTEST_MAIN(TestSortGridView)
#include "TestSortGridView.moc"
