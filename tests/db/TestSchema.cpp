#include "db/Schema.h"
#include "db/TableCreation.h"
#include "db/TemplateDatabase.h"
#include "support/TempDatabase.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

using namespace tekvora::db;

class TestSchema : public QObject
{
    Q_OBJECT

private slots:
    void fieldCounts_data();
    void fieldCounts();
    void fieldNamesAreUniqueAcrossTables();
    void tableNamesAreFound_data();
    void tableNamesAreFound();
    void storedTablesReadBackAsDefined();
    void indexesKeepTheirOptions();
    void templateRecords();
    void creationRoutines();
    void labelListNames();
};

void TestSchema::fieldCounts_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("last");
    QTest::addRow("Firmen") << "Firmen" << 116 << "F_Mahnform3";
    QTest::addRow("Objekte") << "Objekte" << 99 << "O_Std07";
    QTest::addRow("OTaetNeu") << "OTaetNeu" << 25 << "TS_OldTeamNr";
    QTest::addRow("Personal") << "Personal" << 59 << "P_OptTourplan";
    QTest::addRow("Taetig") << "Taetig" << 15 << "T_TextKontroll";
    QTest::addRow("FtpDef") << "FtpDef" << 17 << "Ftp_Mailtext";
    QTest::addRow("Scandev") << "Scandev" << 10 << "SV_Bindung";
    QTest::addRow("Scanimp") << "Scanimp" << 20 << "SC_Ref";
    QTest::addRow("MdeObj") << "MdeObj" << 18 << "SC_Ref";
    QTest::addRow("MdePJ") << "MdePJ" << 25 << "SC_Ref";
    QTest::addRow("AusfIV") << "AusfIV" << 4 << "A_Sort";
    QTest::addRow("QrFrmDef") << "QrFrmDef" << 6 << "Q_SelectGroup";
    QTest::addRow("label list") << "Tmppr000" << 10 << "L_Field8";
}

void TestSchema::fieldCounts()
{
    QFETCH(QString, table);
    QFETCH(int, count);
    QFETCH(QString, last);
    const auto def = tableDef(table);
    QVERIFY(def);
    QCOMPARE(def->fields.size(), count);
    QCOMPARE(def->fields.last().name, last);
}

void TestSchema::fieldNamesAreUniqueAcrossTables()
{
    // The translator finds a field's type by its name alone, so one name must mean one type.
    QHash<QString, FieldType> seen;
    for (const auto &table : schemaTables())
        for (const auto &field : table.fields) {
            const QString key = field.name.toUpper();
            if (seen.contains(key))
                QVERIFY2(seen.value(key) == field.type, qPrintable(table.name + ": " + field.name));
            seen.insert(key, field.type);
        }
}

void TestSchema::tableNamesAreFound_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("canonical");
    QTest::addRow("db ending") << "QrFrmDef.DB" << "QrFrmDef";
    QTest::addRow("lower case") << "qrfrmdef" << "QrFrmDef";
    QTest::addRow("upper case ending") << "FIRMEN.DB" << "Firmen";
    QTest::addRow("mixed ending") << "Scanimp.Db" << "Scanimp";
    QTest::addRow("label list") << "tmppr012.db" << "Tmppr012";
}

void TestSchema::tableNamesAreFound()
{
    QFETCH(QString, name);
    QFETCH(QString, canonical);
    QCOMPARE(canonicalTableName(name), canonical);
    QVERIFY(tableDef(name));
}

void TestSchema::storedTablesReadBackAsDefined()
{
    tekvora::test::TempDatabase store;
    for (const auto &table : schemaTables()) {
        if (table.name == QLatin1String("FtpDef")) {
            QVERIFY(!tableExists(QStringLiteral("FtpDef.DB"), store.database()));
            continue;
        }
        const auto stored = describeTable(table.name + QStringLiteral(".db"), store.database());
        QVERIFY2(stored, qPrintable(table.name));
        QCOMPARE(stored->name, table.name);
        QCOMPARE(stored->fields.size(), table.fields.size());
        for (int i = 0; i < table.fields.size(); ++i) {
            QCOMPARE(stored->fields[i].name, table.fields[i].name);
            QVERIFY2(stored->fields[i].type == table.fields[i].type, qPrintable(table.fields[i].name));
            QCOMPARE(stored->fields[i].size, table.fields[i].size);
            QCOMPARE(stored->fields[i].required, table.fields[i].required);
        }
        QCOMPARE(stored->indexes.size(), table.indexes.size());
        for (int i = 0; i < table.indexes.size(); ++i) {
            QCOMPARE(stored->indexes[i].name, table.indexes[i].name);
            QCOMPARE(stored->indexes[i].fields, table.indexes[i].fields);
            QCOMPARE(stored->indexes[i].options, table.indexes[i].options);
        }
    }
}

void TestSchema::indexesKeepTheirOptions()
{
    tekvora::test::TempDatabase store;
    QSqlQuery query(store.database());
    QVERIFY(query.exec("insert into Objekte (O_ID, O_Nr, O_Ort) values (1, 10, 'berlin'), (2, 11, 'Aachen')"));
    // "O_INr" is unique.
    QVERIFY(!query.exec("insert into Objekte (O_ID, O_Nr) values (3, 10)"));
    // "O_IOrt" orders without regard to case, and the query uses it.
    QVERIFY(query.exec("select O_ID from Objekte order by O_Ort collate nocase"));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toInt(), 2);
    QVERIFY(query.exec("explain query plan select O_ID from Objekte order by O_Ort collate nocase"));
    QVERIFY(query.next());
    QVERIFY2(query.value(3).toString().contains("Objekte_O_IOrt"), qPrintable(query.value(3).toString()));
    // A required field rejects null.
    QVERIFY(!query.exec("insert into Scandev (SV_ID) values (1)"));
}

void TestSchema::templateRecords()
{
    tekvora::test::TempDatabase store;
    QSqlQuery query(store.database());
    QVERIFY(query.exec("select F_ID, F_Mandant, F_MinNrObjekt, F_MinNrPersonal, F_MinNrTaetig, F_Name1 from Firmen"));
    QVERIFY(query.next());
    for (int i = 0; i < 5; ++i)
        QCOMPARE(query.value(i).toInt(), 1);
    QCOMPARE(query.value(5).toString(), QString());
    QVERIFY(!query.next());

    QVERIFY(query.exec("select AI_Text, AI_Wochen from AusfIV order by A_Sort"));
    QStringList texts;
    while (query.next())
        texts << query.value(0).toString() + "/" + query.value(1).toString();
    QCOMPARE(texts, QStringList({"einmalig/0", "wöchentlich/1", "14-tägig/2", "alle 3 Wochen/3", "monatlich/4",
                                 "quartalsweise/13", "halbjährlich/26", "jährlich/52"}));
    QVERIFY(query.exec("select AI_ID from AusfIV where AI_Wochen=1"));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toInt(), 1); // a new site activity starts with interval 1

    QVERIFY(query.exec("select QF_ID, Q_FormType, Q_FileName, Q_Protect, Q_SelectGroup, Q_Comment from QrFrmDef "
                       "where QF_ID=94100"));
    QVERIFY(query.next());
    QCOMPARE(query.value(1).toInt(), 94100);
    QCOMPARE(query.value(2).toString(), QStringLiteral("ORM94100.QFD"));
    QCOMPARE(query.value(3).toInt(), 1);
    QCOMPARE(query.value(4).toInt(), 94000);
    QVERIFY(!query.value(5).toString().isEmpty());
    QVERIFY(query.exec("select count(*) from QrFrmDef where Q_Protect=1"));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toInt(), builtInForms().size());
}

void TestSchema::creationRoutines()
{
    tekvora::test::TempDatabase store;
    QSqlDatabase db = store.database();
    QVERIFY(createFtpDefTable(db).ok);
    const auto ftp = describeTable("FtpDef.DB", db);
    QVERIFY(ftp);
    QCOMPARE(ftp->fields.size(), 17);
    QCOMPARE(ftp->indexes.size(), 2);
    QCOMPARE(ftp->indexes[1].name, QStringLiteral("I_Desc"));

    QVERIFY(QSqlQuery(db).exec("drop table MdeObj"));
    QVERIFY(QSqlQuery(db).exec("drop table MdePJ"));
    QVERIFY(createMdeObjTables(db).ok);
    QVERIFY(tableExists("MdeObj.db", db));
    QVERIFY(tableExists("MDEPJ.DB", db));

    // Creating replaces: callers create only missing tables.
    QVERIFY(QSqlQuery(db).exec("insert into Scanimp (SC_ID) values (1)"));
    QVERIFY(createScanimpTable(db).ok);
    QSqlQuery count(db);
    QVERIFY(count.exec("select count(*) from Scanimp"));
    QVERIFY(count.next());
    QCOMPARE(count.value(0).toInt(), 0);
}

void TestSchema::labelListNames()
{
    tekvora::test::TempDatabase store;
    QSqlDatabase db = store.database();
    const QString first = freeLabelListName(".db", db);
    QCOMPARE(first, QStringLiteral("Tmppr000.db"));
    QVERIFY(createLabelListTable(first, db));
    QVERIFY(tableExists("Tmppr000", db));
    QCOMPARE(freeLabelListName(".db", db), QStringLiteral("Tmppr001.db"));
    QVERIFY(createLabelListTable("Tmppr001.db", db)); // "SORT" of both tables lives side by side
    const auto second = describeTable("tmppr001.db", db);
    QVERIFY(second);
    QCOMPARE(second->indexes.last().name, QStringLiteral("SORT"));
    QVERIFY(QSqlQuery(db).exec("drop table Tmppr000"));
    QCOMPARE(freeLabelListName(".db", db), QStringLiteral("Tmppr000.db"));
}

QTEST_GUILESS_MAIN(TestSchema)
#include "TestSchema.moc"
