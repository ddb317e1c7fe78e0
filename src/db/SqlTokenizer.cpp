#include "db/SqlTokenizer.h"

namespace tekvora::db {

namespace {

bool isWordStart(QChar c)
{
    return c.isLetter() || c == u'_';
}

bool isWordPart(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'$' || c == u'#';
}

/// The end of a quoted run starting at i (quote char q; a doubled quote stays inside).
qsizetype quotedEnd(const QString &sql, qsizetype i, QChar close)
{
    qsizetype j = i + 1;
    while (j < sql.size()) {
        if (sql[j] == close) {
            if (j + 1 < sql.size() && sql[j + 1] == close && close != u']') {
                j += 2;
                continue;
            }
            return j + 1;
        }
        ++j;
    }
    return sql.size();
}

} // namespace

QString SqlToken::textValue() const
{
    QString value = text.mid(1);
    if (value.endsWith(u'\''))
        value.chop(1);
    value.replace(QLatin1String("''"), QLatin1String("'"));
    return value;
}

QString SqlToken::name() const
{
    if (kind != Kind::QuotedName)
        return text;
    QString value = text.mid(1, text.size() - 2);
    if (text.startsWith(u'"'))
        value.replace(QLatin1String("\"\""), QLatin1String("\""));
    return value;
}

QList<SqlToken> tokenizeSql(const QString &sql)
{
    using Kind = SqlToken::Kind;
    QList<SqlToken> tokens;
    qsizetype i = 0;
    const qsizetype n = sql.size();
    while (i < n) {
        const QChar c = sql[i];
        qsizetype j = i + 1;
        Kind kind = Kind::Symbol;
        if (c.isSpace()) {
            while (j < n && sql[j].isSpace())
                ++j;
            kind = Kind::Space;
        } else if (c == u'\'') {
            j = quotedEnd(sql, i, u'\'');
            kind = Kind::Text;
        } else if (c == u'"' || c == u'`') {
            j = quotedEnd(sql, i, c);
            kind = Kind::QuotedName;
        } else if (c == u'[') {
            j = quotedEnd(sql, i, u']');
            kind = Kind::QuotedName;
        } else if (isWordStart(c)) {
            while (j < n && isWordPart(sql[j]))
                ++j;
            kind = Kind::Word;
        } else if (c.isDigit() || (c == u'.' && i + 1 < n && sql[i + 1].isDigit())) {
            while (j < n && (sql[j].isDigit() || sql[j] == u'.'))
                ++j;
            if (j < n && (sql[j] == u'e' || sql[j] == u'E')) {
                qsizetype k = j + 1;
                if (k < n && (sql[k] == u'+' || sql[k] == u'-'))
                    ++k;
                if (k < n && sql[k].isDigit()) {
                    j = k;
                    while (j < n && sql[j].isDigit())
                        ++j;
                }
            }
            kind = Kind::Number;
        } else if ((c == u':' || c == u'@' || c == u'$') && j < n && isWordStart(sql[j])) {
            while (j < n && isWordPart(sql[j]))
                ++j;
            kind = Kind::Parameter;
        } else if (c == u'?') {
            kind = Kind::Parameter;
        } else if (j < n) {
            const QString pair = sql.mid(i, 2);
            static const QStringList pairs{QStringLiteral("<="), QStringLiteral(">="), QStringLiteral("<>"),
                                           QStringLiteral("!="), QStringLiteral("=="), QStringLiteral("||")};
            if (pairs.contains(pair))
                j = i + 2;
        }
        tokens.append({kind, sql.mid(i, j - i)});
        i = j;
    }
    return tokens;
}

} // namespace tekvora::db
