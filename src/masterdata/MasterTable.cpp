#include "masterdata/MasterTable.h"

#include "db/Numbers.h"
#include "masterdata/MasterDataTexts.h"

namespace tekvora::masterdata {

MasterTable siteTable()
{
    return {QStringLiteral("Objekte"),
            QStringLiteral("O_ID"),
            {QStringLiteral("O_Nr"), MasterDataTexts::ChangeSiteNumber, MasterDataTexts::SiteNumberTaken,
             [](QSqlDatabase db) { return db::nextFreeSiteNumber(db); }},
            MasterDataTexts::DeleteSite,
            {{QStringLiteral("O_Aktiv"), true}},
            {QStringLiteral("DELETE FROM \"OTaetNeu\" WHERE \"TS_ObjID\" = ?")}};
}

MasterTable staffTable()
{
    return {QStringLiteral("Personal"),
            QStringLiteral("P_ID"),
            {QStringLiteral("P_Nr"), MasterDataTexts::ChangeStaffNumber, MasterDataTexts::StaffNumberTaken,
             [](QSqlDatabase db) { return db::nextFreeStaffNumber(db); }},
            MasterDataTexts::DeleteStaff,
            {{QStringLiteral("P_Aktiv"), true}}};
}

MasterTable activityTable()
{
    return {QStringLiteral("Taetig"),
            QStringLiteral("T_ID"),
            {QStringLiteral("T_Nr"), MasterDataTexts::ChangeActivityNumber, MasterDataTexts::ActivityNumberTaken,
             [](QSqlDatabase db) { return db::nextFreeActivityNumber(db); }},
            MasterDataTexts::DeleteActivity,
            {}};
}

} // namespace tekvora::masterdata
