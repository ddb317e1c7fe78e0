#include "masterdata/PrintFormChoiceRules.h"

#include <QTest>

using namespace tekvora::masterdata;

class TestPrintFormChoiceRules : public QObject
{
    Q_OBJECT

private slots:
    void outcome_data()
    {
        QTest::addColumn<std::optional<int>>("chosen");
        QTest::addColumn<std::optional<int>>("fieldForm");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("store");
        QTest::addRow("cancelled without field prints nothing") << std::optional<int>() << std::optional<int>() << 0 << false;
        QTest::addRow("cancelled with field prints the field's form")
            << std::optional<int>() << std::optional<int>(15100) << 15100 << false;
        QTest::addRow("chosen without field") << std::optional<int>(15200) << std::optional<int>() << 15200 << false;
        QTest::addRow("new choice goes into the field")
            << std::optional<int>(15200) << std::optional<int>(15100) << 15200 << true;
        QTest::addRow("same form is not stored again")
            << std::optional<int>(15100) << std::optional<int>(15100) << 15100 << false;
        QTest::addRow("an empty field takes a choice") << std::optional<int>(15200) << std::optional<int>(0) << 15200 << true;
        QTest::addRow("a chosen 0 counts as cancelled")
            << std::optional<int>(0) << std::optional<int>(15100) << 15100 << false;
    }

    void outcome()
    {
        QFETCH(std::optional<int>, chosen);
        QFETCH(std::optional<int>, fieldForm);
        const PrintFormOutcome outcome = resolvePrintFormChoice(chosen, fieldForm);
        QFETCH(int, result);
        QFETCH(bool, store);
        QCOMPARE(outcome.result, result);
        QCOMPARE(outcome.storeInField, store);
    }

    void group_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("group");
        QTest::addRow("base") << 15000 << 15000;
        QTest::addRow("form") << 16999 << 16000;
        QTest::addRow("below 1000") << 999 << 0;
    }

    void group()
    {
        QFETCH(int, number);
        QFETCH(int, group);
        QCOMPARE(printFormGroup(number), group);
    }

    void placement_data()
    {
        QTest::addColumn<std::optional<QRect>>("anchor");
        QTest::addColumn<QPoint>("topLeft");
        QTest::addRow("below the anchor, 420 to the left") << std::optional<QRect>(QRect(500, 300, 80, 25)) << QPoint(80, 325);
        QTest::addRow("not past the left edge") << std::optional<QRect>(QRect(100, 300, 80, 25)) << QPoint(0, 325);
        QTest::addRow("centred on the main window") << std::optional<QRect>() << QPoint(100 + 400 - 210, 50 + 300 - 150);
    }

    void placement()
    {
        QFETCH(std::optional<QRect>, anchor);
        QFETCH(QPoint, topLeft);
        QCOMPARE(printFormChoiceTopLeft(anchor, QRect(100, 50, 800, 600)), topLeft);
    }
};

QTEST_GUILESS_MAIN(TestPrintFormChoiceRules)
#include "TestPrintFormChoiceRules.moc"
