#pragma once

#include <QString>

namespace tekvora::db {

/// A name in double quotes, inner quotes doubled: safe for any table or field name.
inline QString quoteIdentifier(const QString &name)
{
    QString quoted = name;
    quoted.replace(u'"', QLatin1String("\"\""));
    return u'"' + quoted + u'"';
}

/// A text literal in single quotes, inner quotes doubled.
inline QString quoteText(const QString &text)
{
    QString quoted = text;
    quoted.replace(u'\'', QLatin1String("''"));
    return u'\'' + quoted + u'\'';
}

} // namespace tekvora::db
