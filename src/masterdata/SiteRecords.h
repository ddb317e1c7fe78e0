#pragma once

#include "db/Database.h"
#include "db/DbResult.h"

#include <QDate>
#include <QSqlDatabase>
#include <QVariantMap>

namespace tekvora::masterdata
{

/// The values of a new activity of the site (key siteId, number siteNr): TS_ID the highest plus 1,
/// interval 1, start and current dates today, every number and price 0, no parameter.
QVariantMap newSiteActivityValues(int siteId, int siteNr, const QDate &today, QSqlDatabase db = db::database());

/// Appends a copy of every activity of the source site to the target site: the defaults of a new row,
/// then activity, start date, interval (1 when empty), weekdays and duration of the source row.
/// All or nothing; the number of rows copied.
struct CopyResult {
    db::DbResult result;
    int copied = 0;
};
CopyResult copySiteActivities(int sourceSiteId, int targetSiteId, int targetSiteNr, const QDate &today,
                              QSqlDatabase db = db::database());

/// Sets or clears the selection mark of every site.
db::DbResult setAllSitesSelected(bool selected, QSqlDatabase db = db::database());

/// The long text (T_TextTour) of the activity with that number; empty when there is none.
QString activityLongText(int activityNr, QSqlDatabase db = db::database());

} // namespace tekvora::masterdata
