#include "db/IndexChoice.h"
#include "db/Schema.h"

#include <QTest>

using namespace tekvora::db;

class TestIndexChoice : public QObject
{
    Q_OBJECT

private slots:
    void columnTitleClick_data();
    void columnTitleClick();
    void sameFieldAgainChangesNothingUnlessForced();
    void fieldInNoIndexChangesNothing();
};

void TestIndexChoice::columnTitleClick_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("index");
    QTest::addColumn<int>("column");
    QTest::addRow("place, not postcode and place") << "O_Ort" << "O_IOrt" << 3;
    QTest::addRow("postcode") << "O_Plz" << "O_IPlzOrt" << 2;
    QTest::addRow("no index falls back to the first column") << "O_Telefon" << "O_INr" << 0;
    QTest::addRow("number") << "O_Nr" << "O_INr" << 0;
}

void TestIndexChoice::columnTitleClick()
{
    QFETCH(QString, field);
    QFETCH(QString, index);
    QFETCH(int, column);
    const QList<IndexDef> indexes = tableDef("Objekte")->indexes;
    const QStringList columns{"O_Nr", "O_Match", "O_Plz", "O_Ort", "O_Telefon"};
    SortState state;
    const IndexChoice choice = chooseIndexForColumn(state, indexes, columns, field);
    QVERIFY(choice.index);
    QCOMPARE(choice.index->name, index);
    QCOMPARE(choice.column, column);
    QCOMPARE(state.lastField, field);
    QCOMPARE(state.lastColumn, column);
}

void TestIndexChoice::sameFieldAgainChangesNothingUnlessForced()
{
    const QList<IndexDef> indexes = tableDef("Objekte")->indexes;
    const QStringList columns{"O_Nr", "O_Ort"};
    SortState state{"O_Ort", 1};
    QVERIFY(!chooseIndexForField(state, indexes, columns, "O_Ort", false).index);
    const IndexChoice forced = chooseIndexForField(state, indexes, columns, "O_Ort", true);
    QVERIFY(forced.index);
    QCOMPARE(forced.index->name, QStringLiteral("O_IOrt")); // position 1 beats O_IPlzOrt's "O_Plz;O_Ort"
    QCOMPARE(forced.column, 1);
}

void TestIndexChoice::fieldInNoIndexChangesNothing()
{
    const QList<IndexDef> indexes = tableDef("Objekte")->indexes;
    SortState state{"O_Nr", 0};
    const IndexChoice choice = chooseIndexForField(state, indexes, {"O_Nr", "O_Telefon"}, "O_Telefon", false);
    QVERIFY(!choice.index);
    QCOMPARE(choice.column, 0);
    QCOMPARE(state.lastField, QStringLiteral("O_Nr"));
}

QTEST_GUILESS_MAIN(TestIndexChoice)
#include "TestIndexChoice.moc"
