#include "stats/ui/MasterDataChoices.h"

#include "db/Database.h"
#include "db/SqlTranslator.h"
#include "masterdata/ui/TableChoices.h"
#include "stats/ui/TF_Kalender.h"

namespace tekvora::stats {

namespace {

const QString ActiveSites = QStringLiteral("O_Aktiv='True'");
const QString TourStaff = QStringLiteral("P_Aktiv='true' AND P_OptTourplan='true'");

masterdata::ChoicePlacement placementBy(const QWidget *parent)
{
    const QPoint topLeft = parent ? parent->mapToGlobal(QPoint(40, 60)) : QPoint();
    return {300, topLeft.x(), topLeft.y()};
}

// The choices answer with the number they started from when cancelled.
std::optional<int> changed(int chosen, int current)
{
    return chosen == current ? std::nullopt : std::optional<int>(chosen);
}

// The filters are written in the program's dialect ('True' for a boolean); the grid runs them as SQLite's.
db::SqlFilter storeFilter(const QString &filter)
{
    return {db::translateSql(filter), {}};
}

std::optional<int> site(app::UserPrompt &prompt, QWidget *parent, const QString &filter, int current)
{
    static QString sortField;
    return changed(masterdata::chooseSiteFrom(db::kConnectionName, QStringLiteral("Objekte"), storeFilter(filter),
                                              current, placementBy(parent), sortField, prompt, parent),
                   current);
}

std::optional<int> staff(app::UserPrompt &prompt, QWidget *parent, const QString &filter, int current)
{
    static QString sortField;
    return changed(masterdata::chooseEmployee(storeFilter(filter), current, placementBy(parent), sortField, prompt,
                                              parent),
                   current);
}

} // namespace

scanner::ui::ScannerChoices scannerChoices(app::UserPrompt &prompt)
{
    scanner::ui::ScannerChoices choices;
    choices.chooseStaff = [&prompt](QWidget *parent, const QString &filter) -> std::optional<qint64> {
        return staff(prompt, parent, filter, 0);
    };
    choices.chooseSite = [&prompt](QWidget *parent, const QString &filter) -> std::optional<qint64> {
        return site(prompt, parent, filter, 0);
    };
    choices.chooseDate = [](QWidget *, const QDate &current) -> std::optional<QDate> {
        QDate chosen;
        if (!ui::TF_Kalender::pickAt(120, 60, current, [&chosen](const QDate &date) { chosen = date; }))
            return std::nullopt;
        return chosen;
    };
    return choices;
}

EditChoices editChoices(app::UserPrompt &prompt)
{
    EditChoices choices;
    choices.chooseActiveSite = [&prompt](QWidget *parent, int current) {
        return site(prompt, parent, ActiveSites, current);
    };
    choices.chooseTourStaff = [&prompt](QWidget *parent, int current) {
        return staff(prompt, parent, TourStaff, current);
    };
    choices.chooseActivity = [&prompt](QWidget *parent, int current) {
        static QString sortField;
        return changed(masterdata::chooseActivity(current, placementBy(parent), sortField, prompt, parent), current);
    };
    return choices;
}

} // namespace tekvora::stats
