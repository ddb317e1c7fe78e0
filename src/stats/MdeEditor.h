#pragma once

#include "stats/StatsPeriod.h"
#include "stats/StatsQuery.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>

#include <optional>

namespace tekvora::stats {

/// The fields of a site visit the user may change.
struct VisitValues
{
    int objNr = 0;
    QString objBez;
    double dauer = 0.0; ///< hours
};

/// The fields of a person record the user may change.
struct PersonValues
{
    int persNr = 0;
    QString persName;
    int taetigNr = 0;
    QString taetigText;
    double dauerPers = 0.0; ///< hours
    double dauerJob = 0.0;  ///< hours
};

/// Hand corrections of the statistics tables MdeObj (visits) and MdePJ (person records). Keeps end
/// times in step with the durations (start + duration, to the whole minute) and each visit's
/// totals SC_DauerPers and SC_DauerJob in step with the person records that name it in SC_Ref.
/// Every call is one transaction; on failure nothing is changed and error() holds a German text.
class MdeEditor
{
public:
    explicit MdeEditor(QSqlDatabase db);

    /// A new visit starting at `start` (its date becomes the tour date); returns its SC_ID.
    std::optional<qint64> insertVisit(const QDateTime &start, const VisitValues &values);
    bool updateVisit(qint64 visitId, const VisitValues &values);
    /// Deletes the visit and every person record whose SC_Ref names it.
    bool deleteVisit(qint64 visitId);

    /// A new person record of the visit: its links, date and start times are the visit's.
    std::optional<qint64> insertPerson(qint64 visitId, const PersonValues &values);
    bool updatePerson(qint64 personId, const PersonValues &values);
    bool deletePerson(qint64 personId);

    /// Deletes the period's visits of duration 0 and person records whose both durations are 0;
    /// visit totals stay as they are.
    bool deleteZeroEntries(const StatsPeriod &period);
    /// Deletes the editing list's visits longer than 10.0 hours with their person records;
    /// returns how many visits went.
    std::optional<int> deleteLongVisits(const StatsPeriod &period);

    QString error() const { return m_error; }

private:
    bool fail(const QString &text);

    QSqlDatabase m_db;
    QString m_error;
};

/// `start` plus `hours`, to the whole minute (halves to even).
QDateTime endFromDuration(const QDateTime &start, double hours);

/// The visits the editing dialog lists: starting from the period's first day 00:00 up to and
/// including the day after its last day 00:00; in key order.
BoundSql editVisitsSql(const StatsPeriod &period);
/// The person records of a visit's date, tour and site, whichever visit they name.
BoundSql editPersonsSql(const QVariant &tourDate, const QVariant &tourId, const QVariant &objNr);

} // namespace tekvora::stats
