#include "masterdata/ActivityActions.h"

#include "app/UserPrompt.h"
#include "db/Numbers.h"
#include "db/Schema.h"
#include "db/SqlHelpers.h"
#include "db/SqlQuote.h"
#include "masterdata/MasterDataTexts.h"
#include "db/SqlTransaction.h"

#include <QSqlError>
#include <QSqlQuery>

namespace tekvora::masterdata {

int copyActivity(int activityKey, app::UserPrompt &prompt, QSqlDatabase db)
{
    const auto table = db::describeTable(QStringLiteral("Taetig"), db);
    if (!table) {
        prompt.error(MasterDataTexts::NotCopied.arg(QStringLiteral("Taetig")));
        return 0;
    }
    db::SqlTransaction transaction(db);
    const int number = db::nextFreeActivityNumber(db);
    const int key = db::nextKey(QStringLiteral("Taetig"), QStringLiteral("T_ID"), db);
    // Every field after the key in table order; a null value stays empty in the copy as well.
    QStringList copied;
    for (const db::FieldDef &f : table->fields)
        if (f.name.compare(QLatin1String("T_ID"), Qt::CaseInsensitive) != 0 &&
            f.name.compare(QLatin1String("T_Nr"), Qt::CaseInsensitive) != 0)
            copied << db::quoteIdentifier(f.name);
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO \"Taetig\" (\"T_ID\", \"T_Nr\", %1) SELECT ?, ?, %1 FROM \"Taetig\" "
                                 "WHERE \"T_ID\" = ?")
                      .arg(copied.join(QStringLiteral(", "))));
    query.addBindValue(key);
    query.addBindValue(number);
    query.addBindValue(activityKey);
    if (!query.exec() || query.numRowsAffected() != 1 || !transaction.commit()) {
        prompt.error(MasterDataTexts::NotCopied.arg(query.lastError().text()));
        return 0;
    }
    return number;
}

bool fillEmptyLongTexts(app::UserPrompt &prompt, QSqlDatabase db)
{
    if (!prompt.confirm(MasterDataTexts::FillLongTexts))
        return false;
    const db::DbResult result =
        db::execute(QStringLiteral("UPDATE \"Taetig\" SET \"T_TextTour\" = \"T_Match\" "
                                   "WHERE (\"T_TextTour\" IS NULL OR \"T_TextTour\" = '') AND \"T_Match\" IS NOT NULL"),
                    db);
    if (!result.ok)
        prompt.error(MasterDataTexts::NotSaved.arg(result.error));
    return result.ok;
}

void markAllActivities(bool selected, QSqlDatabase db)
{
    db::executeStatement(QStringLiteral("Update Taetig set T_Druckabschnitt = %1").arg(selected ? 1 : 0), db);
}

} // namespace tekvora::masterdata
