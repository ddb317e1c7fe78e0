#include "masterdata/PrintFormGroups.h"

#include "SelectionTables.h"

using namespace tekvora::masterdata;

class TestPrintFormGroups : public QObject
{
    Q_OBJECT

private slots:
    void unprotectedFormsTakeTheirTypesGroup()
    {
        tekvora::test::SelectionTables tables;
        tables.addForm(15100, true, 15000);
        tables.addForm(16100, true, 15000); // shipped in another group on purpose
        tables.addForm(16150, false, 0);
        tables.addForm(17260, false, 15000);
        tables.exec(QStringLiteral("INSERT INTO QrFrmDef (QF_ID, Q_FormType, Q_SelectGroup) VALUES (18310, 18300, 0)"));

        QString error;
        QVERIFY(updatePrintFormSelectGroups(tables.db, &error));
        QCOMPARE(tables.selectGroup(15100), 15000);
        QCOMPARE(tables.selectGroup(16100), 15000);
        QCOMPARE(tables.selectGroup(16150), 16000);
        QCOMPARE(tables.selectGroup(17260), 17000);
        QCOMPARE(tables.selectGroup(18310), 18000); // protection never set
    }

    void missingTableIsReported()
    {
        tekvora::test::SelectionTables tables;
        tables.exec(QStringLiteral("DROP TABLE QrFrmDef"));
        QString error;
        QVERIFY(!updatePrintFormSelectGroups(tables.db, &error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPrintFormGroups)
#include "TestPrintFormGroups.moc"
