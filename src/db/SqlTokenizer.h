#pragma once

#include <QList>
#include <QString>

namespace tekvora::db {

/// One piece of an SQL text; joining all token texts gives the text back unchanged.
struct SqlToken
{
    enum class Kind { Space, Word, QuotedName, Text, Number, Parameter, Symbol };

    Kind kind;
    QString text;

    bool isWord(const char *word) const { return kind == Kind::Word && text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0; }
    bool isSymbol(const char *symbol) const { return kind == Kind::Symbol && text == QLatin1String(symbol); }
    /// The content of a text literal without its quotes, doubled quotes undone.
    QString textValue() const;
    /// The name of a word or quoted name without quotes.
    QString name() const;
};

/// Splits an SQL text into tokens; an unterminated literal runs to the end of the text.
QList<SqlToken> tokenizeSql(const QString &sql);

} // namespace tekvora::db
