#include "posting/ScanPosting.h"

#include "app/ProgressSink.h"
#include "db/BulkStatement.h"
#include "posting/PostingTexts.h"
#include "posting/RawScanRecord.h"
#include "posting/ScanCheck.h"
#include "db/SqlTransaction.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>

#include <optional>

namespace tekvora::posting {

namespace {

/// A raw record as posting reads it; date-times stay in their stored form.
struct RawRow
{
    int id = 0;
    int entryType = 0;
    int objNr = 0;
    int objId = 0;
    int persNr = 0;
    int taetigNr = 0;
    QVariant tourDate;
    QVariant start;
    QVariant end;
    double dauer = 0.0;
    int calcMode = 0;
    int state = 0;
    int scannerId = 0;
    int ref = 0;
};

/// A statistics record being built; written once it is complete.
struct VisitRow
{
    int id = 0;
    bool isNew = true;
    const RawRow *raw = nullptr;
    QString objBez;
    double dauerPers = 0.0;
    double dauerJob = 0.0;
};

/// `SC_EntryType` of the person records in `MdePJ`, which also carry the activity.
constexpr int personTimeEntryType = 2;

struct PersonRow
{
    int id = 0;
    bool isNew = true;
    bool written = false;
    int entryType = personTimeEntryType;
    int ref = 0;
    const RawRow *raw = nullptr;
    QString persName;
    QString objBez;
    int taetigNr = 0;
    QVariant startJob;
    QVariant endJob;
    double dauerJob = 0.0;
    QString taetigText = texts::activityNotRecorded;
};

class SqlFailure
{
public:
    explicit SqlFailure(QString text) : message(std::move(text)) {}
    QString message;
};

void run(QSqlQuery &query, const QString &sql)
{
    if (!query.exec(sql))
        throw SqlFailure(query.lastError().text());
}

void run(db::BulkStatement &statement, const QVariantList &values)
{
    if (!statement.exec(values))
        throw SqlFailure(statement.lastError());
}

void prepare(db::BulkStatement &statement, QSqlDatabase &db, const QString &sql)
{
    if (!statement.prepare(db, sql))
        throw SqlFailure(statement.lastError());
}

class PostingRun
{
public:
    explicit PostingRun(QSqlDatabase &db) : m_db(db) {}

    void loadRawRecords();
    void prepareStatements();
    void post(app::ProgressSink &progress);
    int deletePosted();
    int rawCount() const { return int(m_raw.size()); }

private:
    void onVisit(const RawRow &raw);
    void onPerson(const RawRow &raw);
    void onActivity(const RawRow &raw);
    void flushVisit();
    void flushPerson();
    void writeBack(const RawRow &raw, int ref);

    /// The existing target of a raw record: its entry type and `SC_Ref`, or nothing.
    std::optional<std::pair<int, int>> existing(db::BulkStatement &find, bool zeroIdExists, int ref);
    QString lookUp(QHash<int, QString> &cache, db::BulkStatement &query, int number);
    QString activityText(int taetigNr);

    QSqlDatabase &m_db;
    QList<RawRow> m_raw;
    int m_counter = 0;
    bool m_visitZeroExists = false;
    bool m_personZeroExists = false;

    std::optional<VisitRow> m_visit;
    std::optional<PersonRow> m_person;
    QString m_siteName;
    int m_personCount = 0;

    QHash<int, QString> m_siteNames, m_personNames, m_activityNames;
    db::BulkStatement m_findVisit, m_findPerson;
    db::BulkStatement m_siteName_, m_personName, m_activityName;
    db::BulkStatement m_insertVisit, m_updateVisit, m_insertPerson, m_updatePerson;
    db::BulkStatement m_setRef;
};

void PostingRun::loadRawRecords()
{
    QSqlQuery max(m_db);
    run(max, QStringLiteral("SELECT max(a), max(b) FROM (SELECT max(SC_ID) AS a, 0 AS b FROM MdeObj"
                            " UNION ALL SELECT max(SC_ID), 0 FROM MdePJ)"));
    m_counter = max.next() ? max.value(0).toInt() : 0;
    run(max, QStringLiteral("SELECT (SELECT count(*) FROM MdeObj WHERE SC_ID = 0),"
                            " (SELECT count(*) FROM MdePJ WHERE SC_ID = 0)"));
    if (max.next()) {
        m_visitZeroExists = max.value(0).toInt() > 0;
        m_personZeroExists = max.value(1).toInt() > 0;
    }

    QSqlQuery raw(m_db);
    raw.setForwardOnly(true);
    run(raw, QStringLiteral("SELECT SC_ID, SC_EntryType, SC_ObjNr, SC_ObjID, SC_PersNr, SC_TaetigNr, SC_TourDate,"
                            " SC_StartTime, SC_EndTime, SC_Dauer, SC_CalcMode, SC_State, SC_ScannerID, SC_Ref"
                            " FROM Scanimp WHERE SC_TourType = 9 ORDER BY SC_ID"));
    while (raw.next()) {
        RawRow &row = m_raw.emplace_back();
        row.id = raw.value(0).toInt();
        row.entryType = raw.value(1).toInt();
        row.objNr = raw.value(2).toInt();
        row.objId = raw.value(3).toInt();
        row.persNr = raw.value(4).toInt();
        row.taetigNr = raw.value(5).toInt();
        row.tourDate = raw.value(6);
        row.start = raw.value(7);
        row.end = raw.value(8);
        row.dauer = raw.value(9).toDouble();
        row.calcMode = raw.value(10).toInt();
        row.state = raw.value(11).toInt();
        row.scannerId = raw.value(12).toInt();
        row.ref = raw.value(13).toInt();
    }
}

void PostingRun::prepareStatements()
{
    prepare(m_findVisit, m_db, QStringLiteral("SELECT SC_EntryType, SC_Ref FROM MdeObj WHERE SC_ID = ?"));
    prepare(m_findPerson, m_db, QStringLiteral("SELECT SC_EntryType, SC_Ref FROM MdePJ WHERE SC_ID = ?"));
    prepare(m_siteName_, m_db, QStringLiteral("SELECT O_Match FROM Objekte WHERE O_Nr = ?"));
    prepare(m_personName, m_db, QStringLiteral("SELECT P_Match FROM Personal WHERE P_Nr = ?"));
    prepare(m_activityName, m_db, QStringLiteral("SELECT T_Match FROM Taetig WHERE T_Nr = ?"));
    prepare(m_insertVisit, m_db, QStringLiteral(
        "INSERT INTO MdeObj (SC_ObjID, SC_ObjNr, SC_ObjBez, SC_TourDate, SC_StartTime, SC_EndTime, SC_Dauer,"
        " SC_DauerPers, SC_DauerJob, SC_CalcMode, SC_State, SC_ScannerID, SC_Ref,"
        " SC_ID, SC_Seq, SC_EntryType, SC_TourID, SC_TourNr)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, ?, 0, 0)"));
    prepare(m_updateVisit, m_db, QStringLiteral(
        "UPDATE MdeObj SET SC_ObjID = ?, SC_ObjNr = ?, SC_ObjBez = ?, SC_TourDate = ?, SC_StartTime = ?,"
        " SC_EndTime = ?, SC_Dauer = ?, SC_DauerPers = ?, SC_DauerJob = ?, SC_CalcMode = ?, SC_State = ?,"
        " SC_ScannerID = ?, SC_Ref = ? WHERE SC_ID = ?"));
    prepare(m_insertPerson, m_db, QStringLiteral(
        "INSERT INTO MdePJ (SC_PersNr, SC_Persname, SC_ObjID, SC_ObjNr, SC_ObjBez, SC_TaetigID, SC_JobID,"
        " SC_TaetigNr, SC_TourDate, SC_StartPers, SC_EndPers, SC_DauerPers, SC_StartJob, SC_EndJob, SC_DauerJob,"
        " SC_TaetigText, SC_CalcMode, SC_State, SC_ScannerID, SC_Ref, SC_ID, SC_Seq, SC_EntryType, SC_TourID,"
        " SC_TourNr) VALUES (?, ?, ?, ?, ?, 0, 0, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, 2, 0, 0)"));
    prepare(m_updatePerson, m_db, QStringLiteral(
        "UPDATE MdePJ SET SC_PersNr = ?, SC_Persname = ?, SC_ObjID = ?, SC_ObjNr = ?, SC_ObjBez = ?,"
        " SC_TaetigID = 0, SC_JobID = 0, SC_TaetigNr = ?, SC_TourDate = ?, SC_StartPers = ?, SC_EndPers = ?,"
        " SC_DauerPers = ?, SC_StartJob = ?, SC_EndJob = ?, SC_DauerJob = ?, SC_TaetigText = ?, SC_CalcMode = ?,"
        " SC_State = ?, SC_ScannerID = ?, SC_Ref = ? WHERE SC_ID = ?"));
    prepare(m_setRef, m_db, QStringLiteral("UPDATE Scanimp SET SC_Ref = ? WHERE SC_ID = ?"));
}

std::optional<std::pair<int, int>> PostingRun::existing(db::BulkStatement &find, bool zeroIdExists, int ref)
{
    if (ref < 0 || (ref == 0 && !zeroIdExists))
        return std::nullopt;
    run(find, {ref});
    if (!find.next())
        return std::nullopt;
    return std::pair<int, int>{find.value(0).toInt(), find.value(1).toInt()};
}

QString PostingRun::lookUp(QHash<int, QString> &cache, db::BulkStatement &query, int number)
{
    const auto cached = cache.constFind(number);
    if (cached != cache.constEnd())
        return *cached;
    run(query, {number});
    const QString name = query.next() ? query.value(0).toString() : QString();
    cache.insert(number, name);
    return name;
}

QString PostingRun::activityText(int taetigNr)
{
    if (taetigNr == activityPersonLeaves)
        return texts::personLeaves;
    if (taetigNr == activitySiteChange)
        return texts::siteChange;
    return lookUp(m_activityNames, m_activityName, taetigNr);
}

void PostingRun::writeBack(const RawRow &raw, int ref)
{
    // Records in state 1 or 3 are deleted at the end of the run; their reference would be lost anyway.
    if (raw.state == StateOk || raw.state == StateBB || raw.ref == ref)
        return;
    run(m_setRef, {ref, raw.id});
}

void PostingRun::flushVisit()
{
    if (!m_visit)
        return;
    const VisitRow &v = *m_visit;
    const RawRow &r = *v.raw;
    const double dauerPers = m_personCount == 0 ? r.dauer : v.dauerPers;
    QVariantList values{r.objId, r.objNr, v.objBez, r.tourDate, r.start, r.end, r.dauer, dauerPers,
                        v.dauerJob, r.calcMode, r.state, r.scannerId, 0, v.id};
    if (v.isNew) {
        values << r.entryType;
        run(m_insertVisit, values);
    } else {
        run(m_updateVisit, values);
    }
    m_visit.reset();
}

void PostingRun::flushPerson()
{
    if (!m_person || m_person->written)
        return;
    PersonRow &p = *m_person;
    const RawRow &r = *p.raw;
    const QVariantList values{r.persNr, p.persName, r.objId, r.objNr, p.objBez, p.taetigNr, r.tourDate, r.start,
                              r.end, r.dauer, p.startJob, p.endJob, p.dauerJob, p.taetigText, r.calcMode,
                              r.state, r.scannerId, p.ref, p.id};
    run(p.isNew ? m_insertPerson : m_updatePerson, values);
    // It stays the record saved last: an activity may still be merged into it.
    p.isNew = false;
    p.written = true;
}

void PostingRun::onVisit(const RawRow &raw)
{
    flushPerson();
    flushVisit();
    m_siteName = lookUp(m_siteNames, m_siteName_, raw.objNr);
    m_personCount = 0;
    VisitRow visit;
    visit.raw = &raw;
    visit.objBez = m_siteName;
    if (existing(m_findVisit, m_visitZeroExists, raw.ref)) {
        visit.id = raw.ref;
        visit.isNew = false;
    } else {
        visit.id = ++m_counter;
    }
    m_visit = visit;
    writeBack(raw, visit.id);
}

void PostingRun::onPerson(const RawRow &raw)
{
    flushPerson();
    PersonRow person;
    person.raw = &raw;
    person.persName = lookUp(m_personNames, m_personName, raw.persNr);
    person.objBez = m_siteName;
    person.startJob = raw.start;
    person.endJob = raw.start;
    const int currentVisit = m_visit ? m_visit->id : 0;
    if (const auto target = existing(m_findPerson, m_personZeroExists, raw.ref)) {
        person.id = raw.ref;
        person.isNew = false;
        person.entryType = target->first;
        person.ref = target->second != 0 ? target->second : currentVisit;
    } else {
        person.id = ++m_counter;
        person.ref = currentVisit;
    }
    if (m_visit)
        m_visit->dauerPers += raw.dauer;
    ++m_personCount;
    m_person = person;
    writeBack(raw, person.id);
}

void PostingRun::onActivity(const RawRow &raw)
{
    if (!m_person || m_person->entryType != personTimeEntryType || m_person->raw->persNr != raw.persNr)
        return;
    PersonRow &person = *m_person;
    person.written = false;
    person.taetigNr = raw.taetigNr;
    person.startJob = raw.start;
    person.endJob = raw.end;
    person.dauerJob = raw.dauer;
    person.taetigText = activityText(raw.taetigNr);
    if (m_visit)
        m_visit->dauerJob += raw.dauer;
    writeBack(raw, person.id);
}

void PostingRun::post(app::ProgressSink &progress)
{
    progress.setRange(0, m_raw.size());
    for (qsizetype i = 0; i < m_raw.size(); ++i) {
        const RawRow &raw = m_raw[i];
        switch (raw.entryType) {
        case EntryVisit:
            onVisit(raw);
            break;
        case EntryPerson:
            onPerson(raw);
            break;
        case EntryActivity:
            onActivity(raw);
            break;
        default:
            break;
        }
        progress.setValue(i + 1);
    }
    flushPerson();
    flushVisit();
    progress.setValue(m_raw.size());
}

int PostingRun::deletePosted()
{
    QSqlQuery remove(m_db);
    if (!remove.exec(QStringLiteral("DELETE FROM Scanimp WHERE (SC_TourType = 9) AND ((SC_State = 1) OR (SC_State = 3))")))
        throw SqlFailure(texts::deletePostedFailed + QLatin1Char('\n') + remove.lastError().text());
    return remove.numRowsAffected();
}

} // namespace

ScanPostingResult postRawScanRecords(QSqlDatabase db, app::ProgressSink &progress)
{
    ScanPostingResult result;
    db::SqlTransaction transaction(db);
    PostingRun posting(db);
    try {
        if (!transaction.isActive())
            throw SqlFailure(db.lastError().text());
        posting.loadRawRecords();
        posting.prepareStatements();
    } catch (const SqlFailure &failure) {
        result.error = texts::postingFailed + QLatin1Char('\n') + failure.message;
        return result;
    }
    try {
        posting.post(progress);
    } catch (const SqlFailure &) {
        result.error = texts::postingFailed;
        return result;
    }
    try {
        result.deleted = posting.deletePosted();
        if (!transaction.commit())
            throw SqlFailure(texts::postingFailed + QLatin1Char('\n') + db.lastError().text());
    } catch (const SqlFailure &failure) {
        result.error = failure.message;
        return result;
    }
    result.handled = posting.rawCount();
    return result;
}

} // namespace tekvora::posting
