#include "db/Numbers.h"
#include "db/SqlHelpers.h"
#include "db/TableCreation.h"
#include "db/TableCursor.h"
#include "support/TempDatabase.h"

#include <QTest>

using namespace tekvora::db;

class TestNumbers : public QObject
{
    Q_OBJECT

private slots:
    void nextFreeNumberFromTheCompanyMinimum_data();
    void nextFreeNumberFromTheCompanyMinimum();
    void withoutCompanyRecordFromOne();
    void nextKeyIsHighestPlusOne();
    void lookUpsByNumber();
};

void TestNumbers::nextFreeNumberFromTheCompanyMinimum_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<int>("expected");
    QTest::addRow("gap") << 1000 << QList<int>{1000, 1001, 1003} << 1002;
    QTest::addRow("minimum free") << 1000 << QList<int>{1001, 1002} << 1000;
    QTest::addRow("no gap") << 1000 << QList<int>{1000, 1001, 1002} << 1003;
    QTest::addRow("lower numbers ignored") << 5 << QList<int>{1, 2, 5, 6, 9} << 7;
    QTest::addRow("empty") << 1 << QList<int>{} << 1;
    QTest::addRow("zero minimum") << 0 << QList<int>{0, 1} << 2;
    QList<int> longRun;
    for (int number = 1; number <= 300; ++number)
        if (number != 137)
            longRun << number;
    QTest::addRow("one gap in a long run") << 1 << longRun << 137;
    QTest::addRow("two gaps, the lower wins") << 1 << QList<int>{1, 2, 4, 5, 7} << 3;
    QTest::addRow("only numbers above the minimum") << 10 << QList<int>{11, 12, 500000} << 10;
    QTest::addRow("negative numbers ignored") << 1 << QList<int>{-3, -2, 1, 2} << 3;
}

void TestNumbers::nextFreeNumberFromTheCompanyMinimum()
{
    QFETCH(int, minimum);
    QFETCH(QList<int>, numbers);
    QFETCH(int, expected);
    tekvora::test::TempDatabase store;
    QVERIFY(execute(QString("update Firmen set F_MinNrObjekt=%1, F_MinNrPersonal=%1, F_MinNrTaetig=%1").arg(minimum))
                .ok);
    int id = 0;
    for (int number : numbers) {
        ++id;
        QVERIFY(execute(QString("insert into Objekte (O_ID, O_Nr) values (%1, %2)").arg(id).arg(number)).ok);
        QVERIFY(execute(QString("insert into Personal (P_ID, P_Nr) values (%1, %2)").arg(id).arg(number)).ok);
        QVERIFY(execute(QString("insert into Taetig (T_ID, T_Nr) values (%1, %2)").arg(id).arg(number)).ok);
    }
    QCOMPARE(nextFreeSiteNumber(), expected);
    QCOMPARE(nextFreeStaffNumber(), expected);
    QCOMPARE(nextFreeActivityNumber(), expected);
}

void TestNumbers::withoutCompanyRecordFromOne()
{
    tekvora::test::TempDatabase store;
    QVERIFY(execute("delete from Firmen").ok);
    // Activity numbers need not be unique: a number used twice still leaves no gap.
    QVERIFY(execute("insert into Taetig (T_ID, T_Nr) values (1, 1), (2, 2), (3, 2), (4, 4)").ok);
    QCOMPARE(nextFreeActivityNumber(), 3);
    QCOMPARE(nextFreeValue("Taetig.DB", "T_Nr", 2), 3);
}

void TestNumbers::nextKeyIsHighestPlusOne()
{
    tekvora::test::TempDatabase store;
    QVERIFY(createFtpDefTable().ok);
    QCOMPARE(nextKey("FtpDef.DB", "Ftp_ID"), 1);
    QVERIFY(execute("insert into FtpDef (Ftp_ID) values (1), (7), (2)").ok);
    QCOMPARE(nextKey("FtpDef.DB", "Ftp_ID"), 8);
    TableCursor cursor("FtpDef");
    QVERIFY(cursor.open());
    QCOMPARE(nextKey(cursor, "Ftp_ID"), 8);
    // Without a primary key the last record is the last one entered.
    QVERIFY(execute("insert into Banken (BankName) values ('A'), ('B')").ok);
    QCOMPARE(nextKey("Banken", "BankBLZ"), 1);
}

void TestNumbers::lookUpsByNumber()
{
    tekvora::test::TempDatabase store;
    QVERIFY(execute("insert into Personal (P_ID, P_Nr, P_Name1, P_Match, P_Aktiv) values "
                    "(5, 12, 'Meier', 'MEI', 'false'), (6, -3, 'Schmidt', 'SCH', 'true'), (7, 13, null, null, 'true')")
                .ok);
    QVERIFY(execute("insert into Taetig (T_ID, T_Nr, T_Match) values (8, 305, 'Fenster')").ok);
    QVERIFY(execute("insert into Objekte (O_ID, O_Nr, O_Match) values (9, 4711, 'Rathaus')").ok);
    QCOMPARE(staffNameByNumber(12), QStringLiteral("Meier")); // inactive staff are found too
    QCOMPARE(staffMatchByNumber(12), QStringLiteral("MEI"));
    QCOMPARE(staffKeyByNumber(12), 5);
    QCOMPARE(staffKeyByNumber(-3), 6);
    QCOMPARE(staffNameByNumber(13), QString());
    QCOMPARE(staffNameByNumber(99), QString());
    QCOMPARE(staffKeyByNumber(99), 0);
    QCOMPARE(activityNameByNumber(305), QStringLiteral("Fenster"));
    QCOMPARE(activityKeyByNumber(305), 8);
    QCOMPARE(activityKeyByNumber(306), 0);
    QCOMPARE(siteNameByNumber(4711), QStringLiteral("Rathaus"));
    QCOMPARE(siteKeyByNumber(4711), 9);
    QCOMPARE(siteNameByNumber(1), QString());
    // The kept statements see later changes.
    QVERIFY(execute("update Objekte set O_Match='Neu' where O_Nr=4711").ok);
    QCOMPARE(siteNameByNumber(4711), QStringLiteral("Neu"));
}

QTEST_GUILESS_MAIN(TestNumbers)
#include "TestNumbers.moc"
