#pragma once

#include <QSqlDatabase>
#include <QString>

namespace tekvora::masterdata {

/// Gives every unprotected print form the selection group of its type, so the user's own forms
/// are listed with the built-in forms of their group. Protected forms keep their group.
/// Returns false with the store's message in `error`.
bool updatePrintFormSelectGroups(const QSqlDatabase &db, QString *error);

} // namespace tekvora::masterdata
