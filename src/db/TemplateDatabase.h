#pragma once

#include "db/DbResult.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>

namespace tekvora::db {

/// A built-in print form of the template: its form type and German title.
struct BuiltInForm
{
    int formType;
    QString title;
};

/// The form types that ship with a protected form, in ascending order.
const QList<BuiltInForm> &builtInForms();

/// "ORM" + the form number as five digits + ".QFD".
QString formFileName(int formId);

/// Creates every template table (all of the schema but "FtpDef") with the template records, in one transaction.
DbResult fillTemplateDatabase(QSqlDatabase db);

/// Writes a complete template store into the directory (which must not hold one yet) and closes it again.
DbResult createTemplateDatabase(const QString &dir);

} // namespace tekvora::db
