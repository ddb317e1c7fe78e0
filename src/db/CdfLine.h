#pragma once

#include "db/Schema.h"

#include <QByteArray>
#include <QList>
#include <QSqlRecord>
#include <QString>

namespace tekvora::db {

/// One line of the CDF export (without line end): for each field its text in the program's formats
/// followed by ";", booleans "J"/"N" (null counts as "N"); memo, formatted memo and graphic fields are
/// left out, separator included. The record holds values as typedRecord gives them.
QString cdfLine(const QSqlRecord &record, const QList<FieldType> &types);

/// The column names of the exported fields in the same form.
QString cdfHeader(const QSqlRecord &record, const QList<FieldType> &types);

/// The text in Windows-1252; characters it lacks become "?".
QByteArray toWindows1252(const QString &text);

} // namespace tekvora::db
