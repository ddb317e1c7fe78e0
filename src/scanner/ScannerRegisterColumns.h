#pragma once

#include <QList>
#include <QString>

namespace tekvora::scanner {

/// One column of the scanner register grid: its field, bold caption and the hint shown on entering it.
struct RegisterColumn
{
    QString field;
    QString caption;
    QString hint;
};

/// The grid's columns in their order.
const QList<RegisterColumn> &registerColumns();

/// The hint of a column by field; the comment hint for "SV_Kommentar" and every other field.
QString registerHint(const QString &field);

} // namespace tekvora::scanner
