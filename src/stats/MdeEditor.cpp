#include "stats/MdeEditor.h"

#include "app/Durations.h"
#include "db/SqlTransaction.h"
#include "stats/StatsStorage.h"

#include <QSqlError>
#include <QSqlQuery>

#include <cmath>

namespace tekvora::stats {

namespace {

constexpr double LongVisitHours = 10.0;
constexpr double MaxDurationHours = 100000.0;

QString dbError(const QSqlQuery &query)
{
    return QStringLiteral("Datenbankfehler: ") + query.lastError().text();
}

bool validDuration(double hours)
{
    return std::isfinite(hours) && hours >= 0.0 && hours <= MaxDurationHours;
}

} // namespace

QDateTime endFromDuration(const QDateTime &start, double hours)
{
    if (!start.isValid())
        return {};
    return start.addSecs(qint64(app::hoursToMinutes(hours)) * 60);
}

namespace {

const QString EditVisitsCondition = QStringLiteral("(SC_StartTime >= ?) AND (SC_StartTime <= ?)");

QString selectList(const ViewDefinition &def)
{
    QStringList fields;
    for (const StatsColumn &column : def.columns)
        fields << column.field;
    return (fields + def.extraFields).join(QStringLiteral(", "));
}

} // namespace

BoundSql editVisitsSql(const StatsPeriod &period)
{
    const ViewDefinition &def = editVisitsDefinition();
    return {QStringLiteral("SELECT %1 FROM MdeObj WHERE %2 ORDER BY %3")
                .arg(selectList(def), EditVisitsCondition, def.orderBy),
            {storedDateTime(period.from()), storedDateTime(period.until())}};
}

BoundSql editPersonsSql(const QVariant &tourDate, const QVariant &tourId, const QVariant &objNr)
{
    const ViewDefinition &def = editPersonsDefinition();
    return {QStringLiteral("SELECT %1 FROM MdePJ WHERE SC_TourDate = ? AND SC_TourID = ? AND SC_ObjNr = ? ORDER BY %2")
                .arg(selectList(def), def.orderBy),
            {tourDate, tourId, objNr}};
}

MdeEditor::MdeEditor(QSqlDatabase db) : m_db(std::move(db)) {}

bool MdeEditor::fail(const QString &text)
{
    m_error = text;
    return false;
}

std::optional<qint64> MdeEditor::insertVisit(const QDateTime &start, const VisitValues &values)
{
    m_error.clear();
    if (!validDuration(values.dauer)) {
        fail(QStringLiteral("Die Dauer muss zwischen 0 und 100000 Stunden liegen."));
        return std::nullopt;
    }
    db::SqlTransaction transaction(m_db);
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("SELECT COALESCE(MAX(SC_ID), 0) + 1 FROM MdeObj")) || !query.next()) {
        fail(dbError(query));
        return std::nullopt;
    }
    const qint64 id = query.value(0).toLongLong();
    query.prepare(QStringLiteral(
        "INSERT INTO MdeObj (SC_ID, SC_Seq, SC_EntryType, SC_TourID, SC_TourNr, SC_ObjNr, SC_ObjID, SC_ObjBez, "
        "SC_TourDate, SC_StartTime, SC_EndTime, SC_Dauer, SC_DauerPers, SC_DauerJob, SC_CalcMode, SC_State, "
        "SC_ScannerID, SC_Ref) VALUES (?, 0, 1, 0, 0, ?, 0, ?, ?, ?, ?, ?, 0, 0, 0, 0, 0, 0)"));
    query.addBindValue(id);
    query.addBindValue(values.objNr);
    query.addBindValue(values.objBez);
    query.addBindValue(storedDateTime(start.date().startOfDay()));
    query.addBindValue(storedDateTime(start));
    query.addBindValue(storedDateTime(endFromDuration(start, values.dauer)));
    query.addBindValue(values.dauer);
    if (!query.exec() || !transaction.commit()) {
        fail(dbError(query));
        return std::nullopt;
    }
    return id;
}

bool MdeEditor::updateVisit(qint64 visitId, const VisitValues &values)
{
    m_error.clear();
    if (!validDuration(values.dauer))
        return fail(QStringLiteral("Die Dauer muss zwischen 0 und 100000 Stunden liegen."));
    db::SqlTransaction transaction(m_db);
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT SC_StartTime FROM MdeObj WHERE SC_ID = ?"));
    query.addBindValue(visitId);
    if (!query.exec())
        return fail(dbError(query));
    if (!query.next())
        return fail(QStringLiteral("Der Objekteintrag ist nicht mehr vorhanden."));
    const QDateTime start = dateTimeFromStored(query.value(0));
    query.prepare(QStringLiteral(
        "UPDATE MdeObj SET SC_ObjNr = ?, SC_ObjBez = ?, SC_Dauer = ?, SC_EndTime = ? WHERE SC_ID = ?"));
    query.addBindValue(values.objNr);
    query.addBindValue(values.objBez);
    query.addBindValue(values.dauer);
    query.addBindValue(storedDateTime(endFromDuration(start, values.dauer)));
    query.addBindValue(visitId);
    if (!query.exec() || !transaction.commit())
        return fail(dbError(query));
    return true;
}

bool MdeEditor::deleteVisit(qint64 visitId)
{
    m_error.clear();
    db::SqlTransaction transaction(m_db);
    QSqlQuery query(m_db);
    for (const QString &sql : {QStringLiteral("DELETE FROM MdePJ WHERE SC_Ref = ?"),
                               QStringLiteral("DELETE FROM MdeObj WHERE SC_ID = ?")}) {
        query.prepare(sql);
        query.addBindValue(visitId);
        if (!query.exec())
            return fail(dbError(query));
    }
    if (!transaction.commit())
        return fail(dbError(query));
    return true;
}

std::optional<qint64> MdeEditor::insertPerson(qint64 visitId, const PersonValues &values)
{
    m_error.clear();
    if (!validDuration(values.dauerPers) || !validDuration(values.dauerJob)) {
        fail(QStringLiteral("Die Dauer muss zwischen 0 und 100000 Stunden liegen."));
        return std::nullopt;
    }
    db::SqlTransaction transaction(m_db);
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral(
        "SELECT SC_TourDate, SC_TourID, SC_ObjNr, SC_ObjID, SC_ObjBez, SC_StartTime FROM MdeObj WHERE SC_ID = ?"));
    query.addBindValue(visitId);
    if (!query.exec()) {
        fail(dbError(query));
        return std::nullopt;
    }
    if (!query.next()) {
        fail(QStringLiteral("Der Objekteintrag ist nicht mehr vorhanden."));
        return std::nullopt;
    }
    const QVariant tourDate = query.value(0);
    const QVariant tourId = query.value(1);
    const QVariant objNr = query.value(2);
    const QVariant objId = query.value(3);
    const QVariant objBez = query.value(4);
    const QDateTime start = dateTimeFromStored(query.value(5));

    if (!query.exec(QStringLiteral("SELECT COALESCE(MAX(SC_ID), 0) + 1 FROM MdePJ")) || !query.next()) {
        fail(dbError(query));
        return std::nullopt;
    }
    const qint64 id = query.value(0).toLongLong();
    query.prepare(QStringLiteral(
        "INSERT INTO MdePJ (SC_ID, SC_Seq, SC_EntryType, SC_TourID, SC_TourNr, SC_ObjNr, SC_ObjID, SC_ObjBez, "
        "SC_PersNr, SC_Persname, SC_TaetigNr, SC_TaetigID, SC_JobID, SC_TaetigText, SC_TourDate, SC_StartPers, "
        "SC_EndPers, SC_DauerPers, SC_StartJob, SC_EndJob, SC_DauerJob, SC_CalcMode, SC_State, SC_ScannerID, "
        "SC_Ref) VALUES (?, 0, 3, ?, 0, ?, ?, ?, ?, ?, ?, 0, 0, ?, ?, ?, ?, ?, ?, ?, ?, 0, 0, 0, ?)"));
    for (const QVariant &value :
         {QVariant(id), tourId, objNr, objId, objBez, QVariant(values.persNr), QVariant(values.persName),
          QVariant(values.taetigNr), QVariant(values.taetigText), tourDate, storedDateTime(start),
          storedDateTime(endFromDuration(start, values.dauerPers)), QVariant(values.dauerPers),
          storedDateTime(start), storedDateTime(endFromDuration(start, values.dauerJob)),
          QVariant(values.dauerJob), QVariant(visitId)})
        query.addBindValue(value);
    if (!query.exec()) {
        fail(dbError(query));
        return std::nullopt;
    }
    query.prepare(QStringLiteral(
        "UPDATE MdeObj SET SC_DauerPers = SC_DauerPers + ?, SC_DauerJob = SC_DauerJob + ? WHERE SC_ID = ?"));
    query.addBindValue(values.dauerPers);
    query.addBindValue(values.dauerJob);
    query.addBindValue(visitId);
    if (!query.exec() || !transaction.commit()) {
        fail(dbError(query));
        return std::nullopt;
    }
    return id;
}

bool MdeEditor::updatePerson(qint64 personId, const PersonValues &values)
{
    m_error.clear();
    if (!validDuration(values.dauerPers) || !validDuration(values.dauerJob))
        return fail(QStringLiteral("Die Dauer muss zwischen 0 und 100000 Stunden liegen."));
    db::SqlTransaction transaction(m_db);
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral(
        "SELECT SC_StartPers, SC_StartJob, SC_DauerPers, SC_DauerJob, SC_Ref FROM MdePJ WHERE SC_ID = ?"));
    query.addBindValue(personId);
    if (!query.exec())
        return fail(dbError(query));
    if (!query.next())
        return fail(QStringLiteral("Der Mitarbeitereintrag ist nicht mehr vorhanden."));
    const QDateTime startPers = dateTimeFromStored(query.value(0));
    const QDateTime startJob = dateTimeFromStored(query.value(1));
    const double oldPers = query.value(2).toDouble();
    const double oldJob = query.value(3).toDouble();
    const qint64 visitId = query.value(4).toLongLong();

    query.prepare(QStringLiteral(
        "UPDATE MdePJ SET SC_PersNr = ?, SC_Persname = ?, SC_TaetigNr = ?, SC_TaetigText = ?, SC_DauerPers = ?, "
        "SC_EndPers = ?, SC_DauerJob = ?, SC_EndJob = ? WHERE SC_ID = ?"));
    for (const QVariant &value :
         {QVariant(values.persNr), QVariant(values.persName), QVariant(values.taetigNr), QVariant(values.taetigText),
          QVariant(values.dauerPers), storedDateTime(endFromDuration(startPers, values.dauerPers)),
          QVariant(values.dauerJob), storedDateTime(endFromDuration(startJob, values.dauerJob)),
          QVariant(personId)})
        query.addBindValue(value);
    if (!query.exec())
        return fail(dbError(query));
    // The record's own visit carries its time, also when the list shows it under another visit.
    query.prepare(QStringLiteral(
        "UPDATE MdeObj SET SC_DauerPers = SC_DauerPers + ?, SC_DauerJob = SC_DauerJob + ? WHERE SC_ID = ?"));
    query.addBindValue(values.dauerPers - oldPers);
    query.addBindValue(values.dauerJob - oldJob);
    query.addBindValue(visitId);
    if (!query.exec() || !transaction.commit())
        return fail(dbError(query));
    return true;
}

bool MdeEditor::deletePerson(qint64 personId)
{
    m_error.clear();
    db::SqlTransaction transaction(m_db);
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT SC_DauerPers, SC_DauerJob, SC_Ref FROM MdePJ WHERE SC_ID = ?"));
    query.addBindValue(personId);
    if (!query.exec())
        return fail(dbError(query));
    if (!query.next())
        return true;
    const double pers = query.value(0).toDouble();
    const double job = query.value(1).toDouble();
    const qint64 visitId = query.value(2).toLongLong();
    query.prepare(QStringLiteral("DELETE FROM MdePJ WHERE SC_ID = ?"));
    query.addBindValue(personId);
    if (!query.exec())
        return fail(dbError(query));
    query.prepare(QStringLiteral(
        "UPDATE MdeObj SET SC_DauerPers = SC_DauerPers - ?, SC_DauerJob = SC_DauerJob - ? WHERE SC_ID = ?"));
    query.addBindValue(pers);
    query.addBindValue(job);
    query.addBindValue(visitId);
    if (!query.exec() || !transaction.commit())
        return fail(dbError(query));
    return true;
}

bool MdeEditor::deleteZeroEntries(const StatsPeriod &period)
{
    m_error.clear();
    db::SqlTransaction transaction(m_db);
    QSqlQuery query(m_db);
    for (const QString &sql :
         {QStringLiteral("DELETE FROM MdeObj WHERE (SC_StartTime >= ?) AND (SC_StartTime < ?) AND (SC_Dauer = 0.0)"),
          QStringLiteral("DELETE FROM MdePJ WHERE (SC_StartPers >= ?) AND (SC_StartPers < ?) "
                         "AND (SC_DauerPers = 0.0) AND (SC_DauerJob = 0.0)")}) {
        query.prepare(sql);
        query.addBindValue(storedDateTime(period.from()));
        query.addBindValue(storedDateTime(period.until()));
        if (!query.exec())
            return fail(dbError(query));
    }
    if (!transaction.commit())
        return fail(dbError(query));
    return true;
}

std::optional<int> MdeEditor::deleteLongVisits(const StatsPeriod &period)
{
    m_error.clear();
    db::SqlTransaction transaction(m_db);
    QSqlQuery query(m_db);
    const QString inList =
        QStringLiteral("SELECT SC_ID FROM MdeObj WHERE ") + EditVisitsCondition + QStringLiteral(" AND (SC_Dauer > ?)");
    query.prepare(QStringLiteral("SELECT COUNT(*) FROM (") + inList + QLatin1Char(')'));
    query.addBindValue(storedDateTime(period.from()));
    query.addBindValue(storedDateTime(period.until()));
    query.addBindValue(LongVisitHours);
    if (!query.exec() || !query.next()) {
        fail(dbError(query));
        return std::nullopt;
    }
    const int count = query.value(0).toInt();
    for (const QString &sql : {QStringLiteral("DELETE FROM MdePJ WHERE SC_Ref IN (") + inList + QLatin1Char(')'),
                               QStringLiteral("DELETE FROM MdeObj WHERE SC_ID IN (") + inList + QLatin1Char(')')}) {
        query.prepare(sql);
        query.addBindValue(storedDateTime(period.from()));
        query.addBindValue(storedDateTime(period.until()));
        query.addBindValue(LongVisitHours);
        if (!query.exec()) {
            fail(dbError(query));
            return std::nullopt;
        }
    }
    if (!transaction.commit()) {
        fail(dbError(query));
        return std::nullopt;
    }
    return count;
}

} // namespace tekvora::stats
