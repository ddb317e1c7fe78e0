#pragma once

#include <QLineEdit>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <benchmark/benchmark.h>

namespace tekvora::bench {

/// Fills "Objekte" (which must have O_ID, O_Nr, O_Match, O_Name1, O_Strasse, O_Plz, O_Ort) with `count`
/// sites: numbers spread over 1..999982, random search terms, 500 places; the same rows on every run.
inline void insertBenchSites(QSqlDatabase &db, int count)
{
    QSqlQuery query(db);
    db.transaction();
    query.prepare("INSERT INTO Objekte (O_ID, O_Nr, O_Match, O_Name1, O_Strasse, O_Plz, O_Ort) "
                  "VALUES (?, ?, ?, ?, ?, ?, ?)");
    QRandomGenerator random(4711);
    for (int i = 1; i <= count; ++i) {
        const int nr = i * 7 % 999983;
        query.addBindValue(i);
        query.addBindValue(nr);
        query.addBindValue(QStringLiteral("OBJEKT%1").arg(random.bounded(1000000), 6, 10, QLatin1Char('0')));
        query.addBindValue(QStringLiteral("Wohnanlage %1").arg(nr));
        query.addBindValue(QStringLiteral("Hauptstraße %1").arg(i % 200));
        query.addBindValue(QStringLiteral("%1").arg(10000 + i % 89999));
        query.addBindValue(QStringLiteral("Ort %1").arg(i % 500));
        query.exec();
    }
    db.commit();
}

/// What a user types to find one of those sites: a site number, or a search term (lower case).
inline QString benchSearchText(QRandomGenerator &random, bool byNumber)
{
    return byNumber ? QString::number(random.bounded(1, 999983))
                    : QStringLiteral("objekt%1").arg(random.bounded(1000000), 6, 10, QLatin1Char('0'));
}

/// Types such search texts into a search box, one key per call, as a user would; clearing the box and
/// choosing the next text are not timed.
class SearchTyping
{
public:
    SearchTyping(QLineEdit &box, bool byNumber) : m_box(box), m_byNumber(byNumber) {}

    void typeNextKey(benchmark::State &state)
    {
        if (m_pending.isEmpty()) {
            state.PauseTiming();
            m_box.clear();
            m_pending = benchSearchText(m_random, m_byNumber);
            state.ResumeTiming();
        }
        QTest::keyClick(&m_box, m_pending.front().toLatin1());
        m_pending.remove(0, 1);
    }

private:
    QLineEdit &m_box;
    bool m_byNumber;
    QRandomGenerator m_random{17};
    QString m_pending;
};

} // namespace tekvora::bench
