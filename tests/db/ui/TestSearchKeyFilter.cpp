#include "db/ui/SearchKeyFilter.h"

#include <QTest>

using namespace tekvora::db;

class TestSearchKeyFilter : public QObject
{
    Q_OBJECT

private slots:
    void decide_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<SearchFieldKind>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QChar>("key");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<bool>("clear");
        QTest::addColumn<bool>("notSearchable");

        const auto number = SearchFieldKind::Number;
        QTest::addRow("no column") << -1 << SearchFieldKind::Text << "" << QChar('a') << false << false << false;
        QTest::addRow("calculated column") << 2 << SearchFieldKind::NotSearchable << "" << QChar('a') << false << false
                                           << true;
        QTest::addRow("text takes letters") << 1 << SearchFieldKind::Text << "Mü" << QChar('l') << true << false << false;
        QTest::addRow("text takes digits") << 1 << SearchFieldKind::Text << "" << QChar('7') << true << false << false;
        QTest::addRow("number refuses a letter") << 0 << number << "" << QChar('a') << false << false << false;
        QTest::addRow("number takes a digit") << 0 << number << "12" << QChar('3') << true << false << false;
        QTest::addRow("number takes backspace") << 0 << number << "12" << BackspaceKey << true << false << false;
        QTest::addRow("digit after text empties the box") << 0 << number << "x1" << QChar('1') << true << true << false;
        QTest::addRow("letter after text empties too") << 0 << number << "x1" << QChar('y') << false << true << false;
        QTest::addRow("logical J") << 0 << SearchFieldKind::Logical << "" << QChar('J') << true << false << false;
        QTest::addRow("logical n") << 0 << SearchFieldKind::Logical << "" << QChar('n') << true << false << false;
        QTest::addRow("logical other") << 0 << SearchFieldKind::Logical << "" << QChar('x') << false << false << false;
        QTest::addRow("date refuses and empties") << 0 << SearchFieldKind::DateTime << "1" << QChar('2') << false << true
                                                  << false;
    }

    void decide()
    {
        QFETCH(int, column);
        QFETCH(SearchFieldKind, kind);
        QFETCH(QString, text);
        QFETCH(QChar, key);
        const SearchKeyDecision decision = decideSearchKey(column, kind, text, key);
        QTEST(decision.accept, "accept");
        QTEST(decision.clearText, "clear");
        QTEST(decision.notSearchable, "notSearchable");
    }
};

QTEST_GUILESS_MAIN(TestSearchKeyFilter)
#include "TestSearchKeyFilter.moc"
