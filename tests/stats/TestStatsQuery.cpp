#include "StatsFixture.h"
#include "stats/StatsQuery.h"

#include <QSqlQuery>
#include <QTest>

using namespace tekvora::stats;
using tekvora::test::StatsFixture;

Q_DECLARE_METATYPE(tekvora::stats::StatsPeriod)
Q_DECLARE_METATYPE(tekvora::stats::FilterOperator)

namespace {

const StatsPeriod December{QDate(2026, 12, 1), QDate(2026, 12, 31)};

QList<QVariantList> rows(const QSqlDatabase &db, const BoundSql &sql, int columns, int first = 0)
{
    QSqlQuery query(db);
    QString error;
    if (!execBound(query, sql, &error))
        qFatal("%s", qPrintable(error));
    QList<QVariantList> result;
    while (query.next()) {
        QVariantList row;
        for (int i = first; i < first + columns; ++i)
            row << query.value(i);
        result << row;
    }
    return result;
}

// One visit with one person record: the visit's start decides the site views, the person's
// start the person and activity views.
void addVisitWithPerson(StatsFixture &fx, const QString &start)
{
    fx.addPerson(fx.addVisit(start, 1.0, 1, QStringLiteral("Haus"), 1.0, 1.0), start, 1.0, 1.0);
}

} // namespace

class TestStatsQuery : public QObject
{
    Q_OBJECT

private slots:
    void periodBoundaries_data();
    void periodBoundaries();
    void personRowFollowsItsVisit();
    void footerSumsCoverWholePeriodAndFilter();
    void accumulatedViewSumsPerSite();
    void filterConditions_data();
    void filterConditions();
    void filterRejectsBadInput_data();
    void filterRejectsBadInput();
    void missingTableGivesZeroSums();
};

void TestStatsQuery::periodBoundaries_data()
{
    QTest::addColumn<int>("view");
    QTest::addColumn<QString>("start");
    QTest::addColumn<StatsPeriod>("period");
    QTest::addColumn<int>("count");

    for (int view = 1; view <= 4; ++view) {
        QTest::addRow("view %d: 23:50 on the last day", view) << view << "31.12.2026 23:50" << December << 1;
        QTest::addRow("view %d: 00:00 on the day after", view) << view << "01.01.2027 00:00" << December << 0;
        QTest::addRow("view %d: 00:00 on the first day", view) << view << "01.12.2026 00:00" << December << 1;
        QTest::addRow("view %d: 23:59 the day before", view) << view << "30.11.2026 23:59" << December << 0;
        QTest::addRow("view %d: end before start", view)
            << view << "10.12.2026 12:00" << StatsPeriod{QDate(2026, 12, 20), QDate(2026, 12, 5)} << 0;
    }
}

void TestStatsQuery::periodBoundaries()
{
    QFETCH(int, view);
    QFETCH(QString, start);
    QFETCH(StatsPeriod, period);
    QFETCH(int, count);

    StatsFixture fx;
    addVisitWithPerson(fx, start);
    const auto v = static_cast<StatsView>(view);
    QCOMPARE(rows(fx.db(), viewRowsSql(v, period), 1).size(), count);
    QString error;
    const auto sums = viewFooterSums(fx.db(), v, period, {}, &error);
    QVERIFY2(sums, qPrintable(error));
    QCOMPARE(sums->first(), double(count));
}

void TestStatsQuery::personRowFollowsItsVisit()
{
    StatsFixture fx;
    const qint64 visit = fx.addVisit(QStringLiteral("31.12.2026 23:00"), 2.0);
    fx.addPerson(visit, QStringLiteral("01.01.2027 00:30"), 0.5, 0.5, 7);
    fx.addPerson(visit, QStringLiteral("31.12.2026 23:10"), 0.25, 0.25, 3);
    fx.addPerson(visit + 1, QStringLiteral("31.12.2026 23:10"), 4.0, 4.0, 9);

    const auto persons = rows(fx.db(), visitPersonsSql(visit), 1);
    QCOMPARE(persons, (QList<QVariantList>{{3}, {7}}));
    // The person view itself takes the person's own start.
    QCOMPARE(rows(fx.db(), viewRowsSql(StatsView::Persons, December), 2).size(), 2);
}

void TestStatsQuery::footerSumsCoverWholePeriodAndFilter()
{
    StatsFixture fx;
    for (int i = 0; i < 600; ++i)
        fx.addVisit(QStringLiteral("%1.12.2026 08:00").arg(1 + i % 28, 2, 10, QLatin1Char('0')), 0.25, 1 + i % 3);

    QString error;
    auto sums = viewFooterSums(fx.db(), StatsView::Sites, December, {}, &error);
    QVERIFY2(sums, qPrintable(error));
    QCOMPARE(sums->size(), 3);
    QCOMPARE(sums->at(0), 150.0);

    GridFilter filter;
    FilterCondition site;
    QVERIFY(makeFilterCondition(viewDefinition(StatsView::Sites).columns.at(1), FilterOperator::Equal,
                                QStringLiteral("2"), &site, &error));
    filter.set(site);
    QCOMPARE(rows(fx.db(), viewRowsSql(StatsView::Sites, December, filter), 1).size(), 200);
    sums = viewFooterSums(fx.db(), StatsView::Sites, December, filter, &error);
    QCOMPARE(sums->at(0), 50.0);
}

void TestStatsQuery::accumulatedViewSumsPerSite()
{
    StatsFixture fx;
    fx.addVisit(QStringLiteral("02.12.2026 08:00"), 1.5, 20, QStringLiteral("Schule"), 3.0, 2.0);
    fx.addVisit(QStringLiteral("03.12.2026 08:00"), 0.5, 20, QStringLiteral("Schule"), 1.0, 0.5);
    fx.addVisit(QStringLiteral("03.12.2026 09:00"), 1.0, 10, QStringLiteral("Rathaus"), 1.0, 1.0);
    fx.addVisit(QStringLiteral("03.01.2027 09:00"), 9.0, 10, QStringLiteral("Rathaus"), 9.0, 9.0);

    const auto result = rows(fx.db(), viewRowsSql(StatsView::Accumulated, December), 5);
    QCOMPARE(result, (QList<QVariantList>{{10, "Rathaus", 1.0, 1.0, 1.0}, {20, "Schule", 2.0, 4.0, 2.5}}));
    QString error;
    QCOMPARE(*viewFooterSums(fx.db(), StatsView::Accumulated, December, {}, &error), (QList<double>{3.0, 5.0, 3.5}));

    GridFilter filter;
    FilterCondition longStay;
    QVERIFY(makeFilterCondition(viewDefinition(StatsView::Accumulated).columns.at(2), FilterOperator::Greater,
                                QStringLiteral("1:30"), &longStay, &error));
    filter.set(longStay);
    QCOMPARE(rows(fx.db(), viewRowsSql(StatsView::Accumulated, December, filter), 1), (QList<QVariantList>{{20}}));
    QCOMPARE(*viewFooterSums(fx.db(), StatsView::Accumulated, December, filter, &error), (QList<double>{2.0, 4.0, 2.5}));
}

void TestStatsQuery::filterConditions_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<FilterOperator>("op");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QList<QVariantList>>("expected");
    QTest::addColumn<QString>("text");

    // Rows of view 1: Haus 02.12. 08:00 1.5 h, Schule 02.12. 10:30 0.25 h, 50%_Bau 05.12. 07:00 2 h
    QTest::addRow("text contains") << 2 << FilterOperator::Contains << "chu" << QList<QVariantList>{{2}}
                                   << "Objekt-Bezeichnung enthält \"chu\"";
    QTest::addRow("contains takes %% literally") << 2 << FilterOperator::Contains << "%_" << QList<QVariantList>{{3}}
                                                << "Objekt-Bezeichnung enthält \"%_\"";
    QTest::addRow("date equal is the whole day") << 0 << FilterOperator::Equal << "02.12.2026"
                                                 << QList<QVariantList>{{1}, {2}} << "Datum = 02.12.2026";
    QTest::addRow("start to the minute") << 3 << FilterOperator::Equal << "02.12.2026 10:30"
                                         << QList<QVariantList>{{2}} << "Beginn = 02.12.2026 10:30";
    QTest::addRow("start up to a day") << 3 << FilterOperator::LessOrEqual << "02.12.2026"
                                       << QList<QVariantList>{{1}, {2}} << "Beginn <= 02.12.2026";
    QTest::addRow("start after a day") << 3 << FilterOperator::Greater << "02.12.2026" << QList<QVariantList>{{3}}
                                       << "Beginn > 02.12.2026";
    QTest::addRow("duration in decimal hours") << 5 << FilterOperator::Equal << "1,5" << QList<QVariantList>{{1}}
                                               << "Dauer = 1,5";
    QTest::addRow("duration in hours and minutes") << 5 << FilterOperator::GreaterOrEqual << "1:30"
                                                   << QList<QVariantList>{{1}, {3}} << "Dauer >= 1:30";
    QTest::addRow("number not equal") << 1 << FilterOperator::NotEqual << "1" << QList<QVariantList>{{2}, {3}}
                                      << "ObjNr <> 1";
}

void TestStatsQuery::filterConditions()
{
    QFETCH(int, column);
    QFETCH(FilterOperator, op);
    QFETCH(QString, value);
    QFETCH(QList<QVariantList>, expected);
    QFETCH(QString, text);

    StatsFixture fx;
    fx.addVisit(QStringLiteral("02.12.2026 08:00"), 1.5, 1, QStringLiteral("Haus"));
    fx.addVisit(QStringLiteral("02.12.2026 10:30"), 0.25, 2, QStringLiteral("Schule"));
    fx.addVisit(QStringLiteral("05.12.2026 07:00"), 2.0, 3, QStringLiteral("50%_Bau"));

    GridFilter filter;
    FilterCondition condition;
    QString error;
    QVERIFY2(makeFilterCondition(viewDefinition(StatsView::Sites).columns.at(column), op, value, &condition, &error),
             qPrintable(error));
    filter.set(condition);
    QCOMPARE(filter.text(), text);
    QCOMPARE(rows(fx.db(), viewRowsSql(StatsView::Sites, December, filter), 1, 1), expected);
}

void TestStatsQuery::filterRejectsBadInput_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<FilterOperator>("op");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("error");

    QTest::addRow("letters for a number") << 1 << FilterOperator::Equal << "zwölf" << "Bitte eine ganze Zahl eingeben.";
    QTest::addRow("contains on a number") << 1 << FilterOperator::Contains << "1"
                                          << "\"enthält\" gibt es nur für Textspalten.";
    QTest::addRow("bad date") << 0 << FilterOperator::Equal << "31.02.2026"
                              << "Bitte ein Datum als TT.MM.JJJJ (mit Uhrzeit: TT.MM.JJJJ hh:mm) eingeben.";
    QTest::addRow("bad minutes") << 5 << FilterOperator::Equal << "1:75"
                                 << "Bitte eine Dauer in Stunden eingeben (z. B. 1,5 oder 1:30).";
}

void TestStatsQuery::filterRejectsBadInput()
{
    QFETCH(int, column);
    QFETCH(FilterOperator, op);
    QFETCH(QString, value);
    QFETCH(QString, error);

    FilterCondition condition;
    QString message;
    QVERIFY(!makeFilterCondition(viewDefinition(StatsView::Sites).columns.at(column), op, value, &condition, &message));
    QCOMPARE(message, error);
}

void TestStatsQuery::missingTableGivesZeroSums()
{
    StatsFixture fx;
    QSqlQuery(fx.db()).exec(QStringLiteral("DROP TABLE MdePJ"));
    QString error;
    QCOMPARE(*viewFooterSums(fx.db(), StatsView::Persons, December, {}, &error), (QList<double>{0.0, 0.0}));
}

QTEST_GUILESS_MAIN(TestStatsQuery)
#include "TestStatsQuery.moc"
