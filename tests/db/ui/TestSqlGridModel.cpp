#include "db/ui/SqlGridModel.h"

#include "masterdata/SelectionTables.h"

#include <QBrush>
#include <QColor>
#include <QGuiApplication>
#include <QPalette>

using namespace tekvora::db;

namespace {

GridColumns siteColumns()
{
    return {{"O_Nr", "ObjNr.", 60},
            {"O_Match", "Suchbegriff", 120},
            {"O_Ort", "Ort", 100},
            {"O_Vertragsbeginn", "Beginn", 80},
            {"O_Aktiv", "Aktiv", 40},
            {"O_Summe", "Summe", 60}};
}

void addSmallSiteSet(tekvora::test::SelectionTables &tables)
{
    tables.addSite(1, "Zebra");
    tables.addSite(3, "alpha");
    tables.addSite(5, "Beta");
    tables.addSite(40, QString());
    tables.addSite(400, "Delta");
    tables.addSite(7, "beta");
}

} // namespace

class TestSqlGridModel : public QObject
{
    Q_OBJECT

private slots:
    void nearest_data()
    {
        QTest::addColumn<QString>("sortField");
        QTest::addColumn<QString>("search");
        QTest::addColumn<int>("key");
        QTest::addRow("number from 4 on") << "O_Nr" << "4" << 5;
        QTest::addRow("number exact") << "O_Nr" << "40" << 40;
        QTest::addRow("number between") << "O_Nr" << "41" << 400;
        QTest::addRow("number past the end stays on the last") << "O_Nr" << "500" << 400;
        QTest::addRow("empty search is the first row") << "O_Nr" << "" << 1;
        QTest::addRow("text ignores case") << "O_Match" << "BETA" << 5;
        QTest::addRow("text prefix") << "O_Match" << "b" << 5;
        QTest::addRow("text between") << "O_Match" << "c" << 400;
        QTest::addRow("text first after the empty ones") << "O_Match" << "a" << 3;
        QTest::addRow("text past the end") << "O_Match" << "zz" << 1;
    }

    void nearest()
    {
        QFETCH(QString, sortField);
        QFETCH(QString, search);
        tekvora::test::SelectionTables tables;
        addSmallSiteSet(tables);
        SqlGridModel model(tables.db, "Objekte", "O_Nr", siteColumns());
        QVERIFY(model.open());
        model.setSortField(sortField);
        QTEST(model.keyAt(model.rowOfNearest(search)).toInt(), "key");
    }

    void rowOfKeyFollowsTheOrder_data()
    {
        QTest::addColumn<QString>("sortField");
        QTest::addColumn<QList<int>>("order");
        QTest::addRow("by number") << "O_Nr" << QList<int>{1, 3, 5, 7, 40, 400};
        // empty search terms first, equal ones (ignoring case) by number
        QTest::addRow("by search term") << "O_Match" << QList<int>{40, 3, 5, 7, 400, 1};
    }

    void rowOfKeyFollowsTheOrder()
    {
        QFETCH(QString, sortField);
        QFETCH(QList<int>, order);
        tekvora::test::SelectionTables tables;
        addSmallSiteSet(tables);
        SqlGridModel model(tables.db, "Objekte", "O_Nr", siteColumns());
        QVERIFY(model.open());
        model.setSortField(sortField);
        QCOMPARE(model.rowCount(), order.size());
        for (int row = 0; row < order.size(); ++row) {
            QCOMPARE(model.keyAt(row).toInt(), order[row]);
            QCOMPARE(model.rowOfKey(order[row]), row);
        }
        QCOMPARE(model.rowOfKey(99), -1);
    }

    void rowsBeyondTheFirstPage()
    {
        tekvora::test::SelectionTables tables;
        tables.db.transaction();
        for (int nr = 1000; nr > 0; --nr)
            tables.addSite(nr * 2, QStringLiteral("S%1").arg(nr, 4, 10, QLatin1Char('0')), {}, "Ort");
        tables.db.commit();
        SqlGridModel model(tables.db, "Objekte", "O_Nr", siteColumns());
        QVERIFY(model.open());
        QCOMPARE(model.rowCount(), 1000);
        for (int row : {0, 199, 200, 777, 999}) {
            QCOMPARE(model.data(model.index(row, 0)).toInt(), (row + 1) * 2);
            QCOMPARE(model.data(model.index(row, 2)).toString(), QStringLiteral("Ort"));
        }
        QCOMPARE(model.rowOfNearest("1555"), 777);
        QCOMPARE(model.rowOfKey(1556), 777);
    }

    void filterWithBoundValues()
    {
        tekvora::test::SelectionTables tables;
        addSmallSiteSet(tables);
        SqlGridModel model(tables.db, "Objekte", "O_Nr", siteColumns(), {"O_Nr > ? AND O_Match <> ?", {4, "Delta"}});
        QVERIFY(model.open());
        QCOMPARE(model.rowCount(), 2); // 5 and 7; an empty search term never differs
        QCOMPARE(model.keyAt(0).toInt(), 5);
        QCOMPARE(model.rowOfKey(3), -1);
        QCOMPARE(model.rowOfKey(40), -1);
        QCOMPARE(model.rowOfKey(7), 1);
        QCOMPARE(model.keyAt(model.rowOfNearest("6")).toInt(), 7);
    }

    void openFails_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("filter");
        QTest::addRow("missing table") << "Fehlt" << "O_Nr" << "";
        QTest::addRow("missing key field") << "Objekte" << "X_Nr" << "";
        QTest::addRow("broken filter") << "Objekte" << "O_Nr" << "O_Nr >";
    }

    void openFails()
    {
        QFETCH(QString, table);
        QFETCH(QString, key);
        QFETCH(QString, filter);
        tekvora::test::SelectionTables tables;
        addSmallSiteSet(tables);
        SqlGridModel model(tables.db, table, key, siteColumns(), {filter, {}});
        QVERIFY(!model.open());
        QVERIFY(!model.lastError().isEmpty());
        QCOMPARE(model.rowCount(), 0);
    }

    void searchKindFollowsTheFieldType()
    {
        tekvora::test::SelectionTables tables;
        SqlGridModel model(tables.db, "Objekte", "O_Nr", siteColumns());
        QVERIFY(model.open());
        QCOMPARE(model.searchKind(0), SearchFieldKind::Number);
        QCOMPARE(model.searchKind(1), SearchFieldKind::Text);
        QCOMPARE(model.searchKind(3), SearchFieldKind::DateTime);
        QCOMPARE(model.searchKind(4), SearchFieldKind::Logical);
        QCOMPARE(model.searchKind(5), SearchFieldKind::NotSearchable);
        QCOMPARE(model.searchKind(-1), SearchFieldKind::NotSearchable);
    }

    void sortTitleIsMarked()
    {
        tekvora::test::SelectionTables tables;
        SqlGridModel model(tables.db, "Objekte", "O_Nr", siteColumns());
        QVERIFY(model.open());
        model.setSortField("o_ort");
        QCOMPARE(model.sortColumn(), 2);
        const QColor buttonFace = QGuiApplication::palette().color(QPalette::Button);
        for (int c = 0; c < model.columnCount(); ++c)
            QCOMPARE(model.headerData(c, Qt::Horizontal, Qt::BackgroundRole).value<QBrush>().color(),
                     c == 2 ? QColor(210, 205, 224) : buttonFace);
        model.setSortField("O_Gibtsnicht");
        QCOMPARE(model.sortField(), QStringLiteral("O_Nr"));
    }
};

QTEST_MAIN(TestSqlGridModel)
#include "TestSqlGridModel.moc"
