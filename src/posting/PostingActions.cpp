#include "posting/PostingActions.h"

#include "app/UserPrompt.h"
#include "posting/PostingTexts.h"
#include "posting/ScanCheck.h"
#include "posting/ScanPosting.h"

#include <QSqlError>
#include <QSqlQuery>

namespace tekvora::posting {

namespace {

bool ensureStatisticsTables(QSqlDatabase &db)
{
    const QStringList tables = db.tables();
    const auto has = [&tables](const QString &name) { return tables.contains(name, Qt::CaseInsensitive); };
    return has(QStringLiteral("MdeObj")) && has(QStringLiteral("MdePJ"));
}

} // namespace

bool runScanCheck(QSqlDatabase db, app::UserPrompt &prompt, app::ProgressSink &progress)
{
    const ScanCheckResult result = checkRawScanRecords(db, progress);
    if (!result.error.isEmpty()) {
        prompt.error(result.error);
        return false;
    }
    prompt.inform(texts::checkDone);
    return true;
}

bool runScanPosting(QSqlDatabase db, app::UserPrompt &prompt, app::ProgressSink &progress)
{
    if (!ensureStatisticsTables(db)) {
        prompt.error(texts::cannotCreateStore);
        return false;
    }
    const ScanPostingResult result = postRawScanRecords(db, progress);
    if (!result.ok()) {
        prompt.error(result.error);
        return false;
    }
    prompt.inform(texts::postingDone);
    return true;
}

bool deleteAllRawScans(QSqlDatabase db, app::UserPrompt &prompt)
{
    if (!prompt.confirm(texts::confirmDeleteAll))
        return false;
    QSqlQuery remove(db);
    if (!remove.exec(QStringLiteral("DELETE FROM Scanimp"))) {
        prompt.error(texts::deleteAllFailed);
        return false;
    }
    return true;
}

} // namespace tekvora::posting
