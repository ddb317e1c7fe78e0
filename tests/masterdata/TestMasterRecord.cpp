#include "db/SqlHelpers.h"
#include "masterdata/ActivityActions.h"
#include "masterdata/MasterRecord.h"
#include "support/PresetPrompt.h"
#include "StoreSql.h"
#include "support/TempDatabase.h"

#include <QSqlQuery>
#include <QTest>

using namespace tekvora;
using namespace tekvora::masterdata;

namespace {

MasterTable tableByName(const QString &name)
{
    if (name == QLatin1String("Objekte"))
        return siteTable();
    if (name == QLatin1String("Personal"))
        return staffTable();
    return activityTable();
}

/// Two records numbered 10 and 11 (keys 1 and 2), company minimums 10.
void addTwoRecords(const MasterTable &table)
{
    test::execSql(QStringLiteral("UPDATE Firmen SET F_MinNrObjekt = 10, F_MinNrPersonal = 10, F_MinNrTaetig = 10"));
    for (int key : {1, 2})
        test::execSql(QStringLiteral("INSERT INTO %1 (%2, %3) VALUES (%4, %5)")
                 .arg(table.table, table.keyField, table.number.field)
                 .arg(key)
                 .arg(key + 9));
}

} // namespace

class TestMasterRecord : public QObject
{
    Q_OBJECT

private slots:
    void numberProposal_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QVariant>("number");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QVariant>("expected");

        QTest::addRow("null number, no question") << "Personal" << QVariant() << false << false << QVariant(12);
        QTest::addRow("zero number, no question") << "Taetig" << QVariant(0) << false << false << QVariant(12);
        QTest::addRow("number kept on Nein") << "Objekte" << QVariant(500) << false << true << QVariant(500);
        QTest::addRow("number replaced on Ja") << "Taetig" << QVariant(500) << true << true << QVariant(12);
    }

    void numberProposal()
    {
        QFETCH(QString, table);
        QFETCH(QVariant, number);
        QFETCH(bool, answer);
        QFETCH(bool, asked);
        QFETCH(QVariant, expected);
        test::TempDatabase store;
        const MasterTable rules = tableByName(table);
        addTwoRecords(rules);
        test::execSql(QStringLiteral("INSERT INTO %1 (%2, %3) VALUES (3, %4)")
                 .arg(rules.table, rules.keyField, rules.number.field,
                      number.isNull() ? QStringLiteral("NULL") : number.toString()));
        test::PresetPrompt prompt({answer});
        MasterRecord record(rules, prompt);
        QVERIFY(record.open());
        QVERIFY(record.moveTo(3));

        record.proposeNumber();
        QCOMPARE(prompt.shown, asked ? QStringList{QStringLiteral("? ") + rules.number.changeQuestion} : QStringList());
        QCOMPARE(record.isEditing(), !asked || answer);
        QCOMPARE(record.value(rules.number.field).toInt(), expected.toInt());
        QVERIFY(record.post());
        QCOMPARE(
            test::scalarSql(
                QStringLiteral("SELECT %1 FROM %2 WHERE %3 = 3").arg(rules.number.field, rules.table, rules.keyField))
                .toInt(),
            expected.toInt());
    }

    void takenNumberIsRefused_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("message");
        QTest::addRow("site") << "Objekte"
                              << "Die Objektnummer 10 ist bereits vergeben.\nBitte wählen Sie eine andere Nummer.";
        QTest::addRow("staff") << "Personal"
                               << "Die Personalnummer 10 ist bereits vergeben.\nBitte wählen Sie eine andere Nummer.";
        QTest::addRow("activity")
            << "Taetig"
            << "Die Tätigkeitsnummer 10 ist bereits vergeben.\nBitte wählen Sie eine andere Nummer.";
    }

    void takenNumberIsRefused()
    {
        QFETCH(QString, table);
        QFETCH(QString, message);
        test::TempDatabase store;
        const MasterTable rules = tableByName(table);
        addTwoRecords(rules);
        test::PresetPrompt prompt;
        MasterRecord record(rules, prompt);
        QVERIFY(record.open());

        // An edited record taking another's number.
        QVERIFY(record.moveTo(2));
        QVERIFY(record.setText(rules.number.field, QStringLiteral("10")));
        QVERIFY(!record.post());
        QCOMPARE(prompt.shown, QStringList{QStringLiteral("! ") + message});
        QVERIFY(record.isEditing());
        record.cancel();
        QCOMPARE(
            test::scalarSql(
                QStringLiteral("SELECT %1 FROM %2 WHERE %3 = 2").arg(rules.number.field, rules.table, rules.keyField))
                .toInt(),
            11);

        // A new record with a taken number; its own unchanged number is no conflict.
        QVERIFY(record.insert({{rules.number.field, 10}}));
        QVERIFY(!record.post());
        QVERIFY(record.setValue(rules.number.field, 12));
        QVERIFY(record.post());
        QCOMPARE(record.key().toInt(), 3);
        QVERIFY(record.setText(rules.number.field, QStringLiteral("12")));
        QVERIFY(record.post());
        QCOMPARE(test::scalarSql(QStringLiteral("SELECT COUNT(*) FROM %1").arg(rules.table)).toInt(), 3);
    }

    void numberGivenTwiceBeforeStaysEditable()
    {
        test::TempDatabase store;
        addTwoRecords(activityTable());
        test::execSql(QStringLiteral("UPDATE Taetig SET T_Nr = 10"));
        test::PresetPrompt prompt;
        MasterRecord record(activityTable(), prompt);
        QVERIFY(record.open());
        QVERIFY(record.moveTo(2));
        QVERIFY(record.setText(QStringLiteral("T_Match"), QStringLiteral("Fenster")));
        QVERIFY(record.post());
        QVERIFY(prompt.shown.isEmpty());
        QVERIFY(record.setText(QStringLiteral("T_Nr"), QStringLiteral("10")));
        QVERIFY(record.post()); // typed again, but not changed
        QVERIFY(record.insert({{QStringLiteral("T_Nr"), 10}}));
        QVERIFY(!record.post());
        QCOMPARE(prompt.shown.size(), 1);
    }

    void newRecordGetsKeyNumberAndValues()
    {
        test::TempDatabase store;
        addTwoRecords(staffTable());
        test::PresetPrompt prompt;
        MasterRecord record(staffTable(), prompt);
        QVERIFY(record.open());
        QVERIFY(record.insert());
        QCOMPARE(record.key().toInt(), 3);
        QCOMPARE(record.value(QStringLiteral("P_Nr")).toInt(), 12);
        QCOMPARE(record.value(QStringLiteral("P_Aktiv")).toBool(), true);
        QVERIFY(record.post());
        QCOMPARE(test::scalarSql(QStringLiteral("SELECT P_Aktiv FROM Personal WHERE P_ID = 3")).toInt(), 1);
    }

    void typedValuesAreChecked_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("taken");
        QTest::addRow("text of the field's size") << "P_Match" << QString(20, QLatin1Char('x')) << true;
        QTest::addRow("text over the field's size") << "P_Match" << QString(21, QLatin1Char('x')) << false;
        QTest::addRow("number") << "P_Nr"
                                << "77" << true;
        QTest::addRow("letters for a number") << "P_Nr"
                                              << "7a" << false;
        QTest::addRow("German date") << "P_Geburtsdatum"
                                     << "29.02.2024" << true;
        QTest::addRow("impossible date") << "P_Geburtsdatum"
                                         << "30.02.2024" << false;
    }

    void typedValuesAreChecked()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(bool, taken);
        test::TempDatabase store;
        addTwoRecords(staffTable());
        test::execSql(QStringLiteral("UPDATE Personal SET P_Match = 'alt', P_Geburtsdatum = '1990-01-02' WHERE P_ID = 1"));
        test::PresetPrompt prompt;
        MasterRecord record(staffTable(), prompt);
        QVERIFY(record.open());
        QVERIFY(record.moveTo(1));
        const QString before = record.displayText(field);
        QCOMPARE(record.setText(field, text), taken);
        QCOMPARE(prompt.shown.size(), taken ? 0 : 1);
        QVERIFY(record.post());
        QVERIFY(record.moveTo(1));
        QCOMPARE(record.displayText(field), taken ? text : before);
    }

    void markIsTurnedOver_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("before");
        QTest::addColumn<int>("after");
        QTest::addRow("activity mark 0") << "Taetig"
                                         << "T_Druckabschnitt" << QVariant(0) << 1;
        QTest::addRow("activity mark null") << "Taetig"
                                            << "T_Druckabschnitt" << QVariant() << 1;
        QTest::addRow("activity mark 2 from elsewhere") << "Taetig"
                                                        << "T_Druckabschnitt" << QVariant(2) << 0;
        QTest::addRow("inactive employee") << "Personal"
                                           << "P_Aktiv" << QVariant(0) << 1;
        QTest::addRow("employee without flag") << "Personal"
                                               << "P_Aktiv" << QVariant() << 1;
        QTest::addRow("active employee") << "Personal"
                                         << "P_Aktiv" << QVariant(1) << 0;
    }

    void markIsTurnedOver()
    {
        QFETCH(QString, table);
        QFETCH(QString, field);
        QFETCH(QVariant, before);
        QFETCH(int, after);
        test::TempDatabase store;
        const MasterTable rules = tableByName(table);
        addTwoRecords(rules);
        test::execSql(QStringLiteral("UPDATE %1 SET %2 = %3").arg(table, field, before.isNull() ? "NULL" : before.toString()));
        test::PresetPrompt prompt;
        MasterRecord record(rules, prompt);
        QVERIFY(record.open());
        QVERIFY(record.moveTo(1));
        QVERIFY(record.invertMark(field));
        QVERIFY(record.post());
        QCOMPARE(test::scalarSql(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = 1").arg(field, table, rules.keyField)).toInt(),
                 after);
    }

    void deletingAsksAndTakesDependentRows_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::addRow("Ja") << true;
        QTest::addRow("Nein") << false;
    }

    void deletingAsksAndTakesDependentRows()
    {
        QFETCH(bool, answer);
        test::TempDatabase store;
        addTwoRecords(siteTable());
        test::execSql(QStringLiteral("INSERT INTO OTaetNeu (TS_ID, TS_ObjID) VALUES (1, 1), (2, 1), (3, 2)"));
        test::PresetPrompt prompt({answer});
        MasterRecord record(siteTable(), prompt);
        QVERIFY(record.open());
        QVERIFY(record.moveTo(1));
        QCOMPARE(record.remove(), answer);
        QCOMPARE(prompt.shown, QStringList{QStringLiteral("? Objekt löschen?")});
        QCOMPARE(test::scalarSql(QStringLiteral("SELECT COUNT(*) FROM Objekte")).toInt(), answer ? 1 : 2);
        QCOMPARE(test::scalarSql(QStringLiteral("SELECT COUNT(*) FROM OTaetNeu")).toInt(), answer ? 1 : 3);
    }

    void copyingAnActivityTakesEveryField()
    {
        test::TempDatabase store;
        addTwoRecords(activityTable());
        test::execSql(QStringLiteral("UPDATE Taetig SET T_Match = 'Fenster', T_Gruppe = 'Glas', T_BasisPreis = 12.5, "
                            "T_Druckabschnitt = 2, T_TextTour = 'Lang', T_TextKontroll = NULL WHERE T_ID = 2"));
        test::PresetPrompt prompt;
        QCOMPARE(copyActivity(2, prompt, db::database()), 12);
        QVERIFY(prompt.shown.isEmpty());
        QSqlQuery query(db::database());
        QVERIFY(query.exec(QStringLiteral("SELECT T_ID, T_Match, T_Gruppe, T_BasisPreis, T_Druckabschnitt, T_TextTour, "
                                          "T_TextKontroll FROM Taetig WHERE T_Nr = 12")));
        QVERIFY(query.next());
        QCOMPARE(query.value(0).toInt(), 3);
        QCOMPARE(query.value(1).toString(), QStringLiteral("Fenster"));
        QCOMPARE(query.value(2).toString(), QStringLiteral("Glas"));
        QCOMPARE(query.value(3).toDouble(), 12.5);
        QCOMPARE(query.value(4).toInt(), 2);
        QCOMPARE(query.value(5).toString(), QStringLiteral("Lang"));
        QVERIFY(query.value(6).isNull());

        QCOMPARE(copyActivity(99, prompt, db::database()), 0); // no such activity
        QCOMPARE(prompt.shown.size(), 1);
        QCOMPARE(test::scalarSql(QStringLiteral("SELECT COUNT(*) FROM Taetig")).toInt(), 3);
    }

    void textcopyFillsOnlyEmptyLongTexts_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::addRow("Ja") << true;
        QTest::addRow("Nein") << false;
    }

    void textcopyFillsOnlyEmptyLongTexts()
    {
        QFETCH(bool, answer);
        test::TempDatabase store;
        test::execSql(QStringLiteral("INSERT INTO Taetig (T_ID, T_Nr, T_Match, T_TextTour) VALUES "
                            "(1, 1, 'Kurz1', NULL), (2, 2, 'Kurz2', ''), (3, 3, 'Kurz3', 'Schon da')"));
        test::PresetPrompt prompt({answer});
        QCOMPARE(fillEmptyLongTexts(prompt, db::database()), answer);
        QCOMPARE(prompt.shown, QStringList{QStringLiteral("? Leere Langtexte mit Kurztext vorbelegen?")});
        QCOMPARE(test::scalarSql(QStringLiteral("SELECT T_TextTour FROM Taetig WHERE T_ID = 1")).toString(),
                 answer ? QStringLiteral("Kurz1") : QString());
        QCOMPARE(test::scalarSql(QStringLiteral("SELECT T_TextTour FROM Taetig WHERE T_ID = 2")).toString(),
                 answer ? QStringLiteral("Kurz2") : QString());
        QCOMPARE(test::scalarSql(QStringLiteral("SELECT T_TextTour FROM Taetig WHERE T_ID = 3")).toString(),
                 QStringLiteral("Schon da"));
    }
};

QTEST_GUILESS_MAIN(TestMasterRecord)
#include "TestMasterRecord.moc"
