#include "db/SqlHelpers.h"
#include "db/TableCursor.h"
#include "support/TempDatabase.h"

#include <QSignalSpy>
#include <QTest>

using namespace tekvora::db;

class TestTableCursor : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void ordersByIndexNameOrFields_data();
    void ordersByIndexNameOrFields();
    void filterAppliesToNavigationAndCount();
    void navigatesBothWays();
    void locateAndFindNearest();
    void editAppendPostCancelDelete();
    void failedPostKeepsTheEdit();
    void masterDetailLink();
    void liveQueryEdits();
    void textsComeBackUnchanged();
    void openingAMissingTableFails();

private:
    QStringList column(TableCursor &cursor, const QString &field);
    std::unique_ptr<tekvora::test::TempDatabase> m_store;
};

void TestTableCursor::init()
{
    m_store = std::make_unique<tekvora::test::TempDatabase>();
    QVERIFY(execute("insert into Objekte (O_ID, O_Nr, O_Match, O_Ort, O_Plz, O_Aktiv) values "
                    "(1, 30, 'Rathaus', 'berlin', '10115', 'true'), (2, 10, 'Bahnhof', 'Aachen', '52062', 'false'), "
                    "(3, 20, 'Schule', 'Celle', '29221', 'true')")
                .ok);
}

void TestTableCursor::cleanup()
{
    m_store.reset();
}

QStringList TestTableCursor::column(TableCursor &cursor, const QString &field)
{
    QStringList values;
    for (cursor.first(); !cursor.atEnd(); cursor.next())
        values << cursor.value(field).toString();
    return values;
}

void TestTableCursor::ordersByIndexNameOrFields_data()
{
    QTest::addColumn<QString>("index");
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QStringList>("order");
    QTest::addRow("primary") << "" << "" << QStringList{"1", "2", "3"};
    QTest::addRow("by number") << "O_INr" << "" << QStringList{"2", "3", "1"};
    QTest::addRow("by place ignoring case") << "O_IOrt" << "" << QStringList{"2", "1", "3"};
    QTest::addRow("by field list") << "" << "O_Plz;O_Ort" << QStringList{"1", "3", "2"};
}

void TestTableCursor::ordersByIndexNameOrFields()
{
    QFETCH(QString, index);
    QFETCH(QString, fields);
    QFETCH(QStringList, order);
    TableCursor cursor("Objekte.DB");
    if (fields.isEmpty())
        QVERIFY(cursor.setIndexName(index));
    else
        cursor.setIndexFieldNames(fields);
    QVERIFY(cursor.open());
    QCOMPARE(column(cursor, "O_ID"), order);
    QVERIFY(!cursor.setIndexName("O_IGibtEsNicht"));
}

void TestTableCursor::filterAppliesToNavigationAndCount()
{
    TableCursor cursor("Objekte");
    QVERIFY(cursor.setFilter("O_Aktiv='true'"));
    QVERIFY(cursor.open());
    QCOMPARE(cursor.recordCount(), 2);
    QCOMPARE(column(cursor, "O_Nr"), QStringList({"30", "20"}));
    QVERIFY(cursor.setFilter("O_Nr<>20 AND O_Aktiv='True'"));
    QCOMPARE(cursor.recordCount(), 1);
    QVERIFY(!cursor.setFilter("O_Gibtsnicht=1"));
    QVERIFY(cursor.lastError().contains("O_Gibtsnicht"));
}

void TestTableCursor::navigatesBothWays()
{
    TableCursor cursor("Objekte");
    QVERIFY(cursor.open());
    QVERIFY(cursor.atStart());
    QVERIFY(cursor.last());
    QVERIFY(cursor.atEnd());
    QCOMPARE(cursor.value("O_ID").toInt(), 3);
    QVERIFY(cursor.prior());
    QVERIFY(cursor.prior());
    QCOMPARE(cursor.recordNumber(), 1);
    QVERIFY(!cursor.prior());
    QVERIFY(cursor.atStart());
    QCOMPARE(cursor.value("O_Aktiv"), QVariant(true));
    QCOMPARE(cursor.displayText("O_Aktiv"), QStringLiteral("Ja"));
}

void TestTableCursor::locateAndFindNearest()
{
    TableCursor cursor("Objekte");
    QVERIFY(cursor.setIndexName("O_IMatch"));
    QVERIFY(cursor.open());
    QVERIFY(cursor.locate("O_Ort", "Celle"));
    QCOMPARE(cursor.value("O_ID").toInt(), 3);
    QVERIFY(!cursor.locate("O_Ort", "celle"));
    QVERIFY(cursor.locate("O_Ort", "celle", Qt::CaseInsensitive));
    // The search box upper-cases what was typed; the key "RA" finds "Rathaus".
    QVERIFY(cursor.findNearest({"RA"}));
    QCOMPARE(cursor.value("O_Match").toString(), QStringLiteral("Rathaus"));
    QVERIFY(cursor.findNearest({"C"}));
    QCOMPARE(cursor.value("O_Match").toString(), QStringLiteral("Rathaus"));
    QVERIFY(!cursor.findNearest({"ZZ"})); // after the last key: the last record
    QCOMPARE(cursor.value("O_Match").toString(), QStringLiteral("Schule"));
    QVERIFY(cursor.setIndexName("O_INr"));
    QVERIFY(cursor.findNearest({"15"}));
    QCOMPARE(cursor.value("O_Nr").toInt(), 20);
    QVERIFY(!cursor.findNearest({"x1"})); // not a number: no move
    QVERIFY(cursor.findKey({10}));
    QCOMPARE(cursor.value("O_ID").toInt(), 2);
    QVERIFY(!cursor.findKey({11}));
}

void TestTableCursor::editAppendPostCancelDelete()
{
    TableCursor cursor("Objekte");
    QVERIFY(cursor.setIndexName("O_INr"));
    QVERIFY(cursor.open());
    QSignalSpy changed(&cursor, &TableCursor::changed);

    QVERIFY(!cursor.setValue("O_Match", "x")); // not editing
    QVERIFY(cursor.ensureEditing());
    QVERIFY(cursor.setValue("O_Match", "Bahnhof Süd"));
    QVERIFY(cursor.setValue("O_Lastaccess", QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9))));
    QVERIFY(cursor.post());
    QVERIFY(changed.count() > 0);
    QCOMPARE(lookupInt("select count(*) as n from Objekte where O_Match='Bahnhof Süd' "
                       "and O_Lastaccess='06.05.2024 07:08'", "n", -1),
             0); // seconds were stored
    QCOMPARE(lookupInt("select count(*) as n from Objekte where O_Lastaccess='06.05.2024'", "n", -1), 1);

    QVERIFY(cursor.edit());
    QVERIFY(cursor.setValue("O_Match", "verworfen"));
    cursor.cancel();
    QCOMPARE(cursor.value("O_Match").toString(), QStringLiteral("Bahnhof Süd"));

    QVERIFY(cursor.append());
    QVERIFY(cursor.setValue("O_ID", 4));
    QVERIFY(cursor.setValue("O_Nr", 15));
    QVERIFY(cursor.setValue("O_Vertragsbeginn", QDate(2023, 1, 31)));
    QVERIFY(cursor.post());
    QCOMPARE(cursor.recordCount(), 4);
    QCOMPARE(cursor.recordNumber(), 2); // between 10 and 20
    QCOMPARE(cursor.value("O_Vertragsbeginn"), QVariant(QDate(2023, 1, 31)));

    QVERIFY(cursor.remove());
    QCOMPARE(cursor.recordCount(), 3);
    QCOMPARE(cursor.value("O_Nr").toInt(), 20); // the next one
    QVERIFY(cursor.last());
    QVERIFY(cursor.remove());
    QCOMPARE(cursor.value("O_Nr").toInt(), 20); // the new last one
}

void TestTableCursor::failedPostKeepsTheEdit()
{
    TableCursor cursor("Objekte");
    QVERIFY(cursor.open());
    QVERIFY(cursor.append());
    QVERIFY(cursor.setValue("O_ID", 9));
    QVERIFY(cursor.setValue("O_Nr", 10)); // "O_INr" is unique
    QVERIFY(!cursor.post());
    QVERIFY(cursor.lastError().contains("UNIQUE"));
    QCOMPARE(cursor.state(), TableCursor::State::Insert);
    cursor.cancel();
    QCOMPARE(cursor.recordCount(), 3);

    cursor.setMaximum("O_Nr", 999999);
    QVERIFY(cursor.edit());
    QVERIFY(!cursor.setValue("O_Nr", 1000000));
    QVERIFY(cursor.setValue("O_Nr", 999999));
    QVERIFY(cursor.post());
}

void TestTableCursor::masterDetailLink()
{
    QVERIFY(execute("insert into OTaetNeu (TS_ID, TS_ObjID, TS_Taetigkeit) values (1, 1, 100), (2, 3, 200), "
                    "(3, 1, 300)")
                .ok);
    TableCursor sites("Objekte");
    TableCursor activities("OTaetNeu.DB");
    QVERIFY(activities.setIndexName("I_ObjID"));
    activities.setMasterLink(&sites, "O_ID", "TS_ObjID");
    QVERIFY(sites.open());
    QVERIFY(activities.open());
    QCOMPARE(column(activities, "TS_Taetigkeit"), QStringList({"100", "300"}));
    QVERIFY(sites.next());
    QCOMPARE(activities.recordCount(), 0);
    QVERIFY(sites.next());
    QCOMPARE(column(activities, "TS_Taetigkeit"), QStringList({"200"}));
}

void TestTableCursor::liveQueryEdits()
{
    QVERIFY(execute("insert into Scandev (SV_ID, SV_ScannerID, SV_Name) values (2, 77, 'B'), (1, 55, 'A')").ok);
    TableCursor cursor;
    QVERIFY(!cursor.setLiveQuery("select SV_ID from Scandev"));
    QVERIFY(cursor.setLiveQuery("select * from Scandev"));
    QVERIFY(cursor.open());
    QCOMPARE(column(cursor, "SV_Name"), QStringList({"A", "B"}));
    QVERIFY(cursor.first());
    QVERIFY(cursor.edit());
    QVERIFY(cursor.setValue("SV_Pers", 12));
    QVERIFY(cursor.post());
    QCOMPARE(lookupInt("Select SV_Pers from Scandev where SV_ScannerID=55", "SV_Pers", 0), 12);
    QVERIFY(cursor.setLiveQuery("Select * from ScanDev.db where SV_ScannerID=77 order by SV_Name"));
    QVERIFY(cursor.open());
    QCOMPARE(cursor.recordCount(), 1);
}

void TestTableCursor::textsComeBackUnchanged()
{
    const QString text = QStringLiteral("O'Neill; \"x\" -- 05.01.2024 true\r\nZeile 2\nÄÖÜß €");
    TableCursor cursor("Objekte");
    QVERIFY(cursor.open());
    QVERIFY(cursor.edit());
    QVERIFY(cursor.setValue("O_Beschreibung", text));
    QVERIFY(cursor.setValue("O_Name1", "007"));
    QVERIFY(cursor.post());
    TableCursor again("Objekte");
    QVERIFY(again.open());
    QCOMPARE(again.value("O_Beschreibung").toString(), text);
    QCOMPARE(again.value("O_Name1").toString(), QStringLiteral("007"));
}

void TestTableCursor::openingAMissingTableFails()
{
    TableCursor cursor("FtpDef.DB");
    QVERIFY(!cursor.open());
    QVERIFY(!cursor.isOpen());
    QVERIFY(!cursor.lastError().isEmpty());
}

QTEST_GUILESS_MAIN(TestTableCursor)
#include "TestTableCursor.moc"
