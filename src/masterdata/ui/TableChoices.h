#pragma once

#include "db/ui/GridColumn.h"

#include <QString>

class QWidget;

namespace tekvora::app {
class UserPrompt;
}

namespace tekvora::masterdata {

/// Where a choice opens and how high its grid is.
struct ChoicePlacement
{
    int gridHeight = 200;
    int left = 0;
    int top = 0;
};

/// The shared choices of a row by its number. Each opens sorted by `sortField` (the number when
/// empty) and writes the sorting in use back into it. Other tables use `TF_DbSelect::choose`.

/// A site of the shared site table; 0 when cancelled.
int chooseSite(int preselected, const ChoicePlacement &placement, QString &sortField, app::UserPrompt &prompt,
               QWidget *parent = nullptr);
/// A site of any site table; the preselected number when cancelled.
int chooseSiteFrom(const QString &connectionName, const QString &table, const db::SqlFilter &filter,
                   int preselected, const ChoicePlacement &placement, QString &sortField, app::UserPrompt &prompt,
                   QWidget *parent = nullptr);
/// An employee among those `filter` lets through; the preselected number when cancelled.
int chooseEmployee(const db::SqlFilter &filter, int preselected, const ChoicePlacement &placement,
                   QString &sortField, app::UserPrompt &prompt, QWidget *parent = nullptr);
/// An activity; the preselected number when cancelled.
int chooseActivity(int preselected, const ChoicePlacement &placement, QString &sortField, app::UserPrompt &prompt,
                   QWidget *parent = nullptr);
/// An execution interval (`AI_ID`); the preselected value when cancelled.
int chooseExecutionInterval(int preselected, const ChoicePlacement &placement, QString &sortField,
                            app::UserPrompt &prompt, QWidget *parent = nullptr);

/// The site grid's columns, also shown by the site choice of another table.
db::GridColumns siteChoiceColumns();

} // namespace tekvora::masterdata
