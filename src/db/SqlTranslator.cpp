#include "db/SqlTranslator.h"

#include "db/Schema.h"
#include "db/SqlQuote.h"
#include "db/SqlTokenizer.h"
#include "db/StorageValue.h"

#include <QRegularExpression>

#include <optional>

namespace tekvora::db {

namespace {

using Kind = SqlToken::Kind;

struct LiteralMoment
{
    QDate date;
    std::optional<QTime> time;
};

std::optional<LiteralMoment> parseMoment(const QString &text)
{
    static const QRegularExpression german(
        QStringLiteral("^\\s*(\\d{1,2})\\.(\\d{1,2})\\.(\\d{4})(?:\\s+(\\d{1,2}):(\\d{2})(?::(\\d{2}))?)?\\s*$"));
    static const QRegularExpression iso(
        QStringLiteral("^\\s*(\\d{4})-(\\d{2})-(\\d{2})(?:[ T](\\d{2}):(\\d{2})(?::(\\d{2}))?)?\\s*$"));
    LiteralMoment moment;
    QRegularExpressionMatch m = german.match(text);
    if (m.hasMatch()) {
        moment.date = QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    } else {
        m = iso.match(text);
        if (!m.hasMatch())
            return std::nullopt;
        moment.date = QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    }
    if (!moment.date.isValid())
        return std::nullopt;
    if (m.hasCaptured(4)) {
        const QTime time(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt());
        if (!time.isValid())
            return std::nullopt;
        moment.time = time;
    }
    return moment;
}

std::optional<QTime> parseTime(const QString &text)
{
    static const QRegularExpression shape(QStringLiteral("^\\s*(\\d{1,2}):(\\d{2})(?::(\\d{2}))?\\s*$"));
    const auto m = shape.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const QTime time(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if (!time.isValid())
        return std::nullopt;
    return time;
}

/// The literal as it is stored in a field of that type, or nothing when it does not fit the type.
std::optional<QString> storedLiteral(FieldType type, const QString &value)
{
    switch (type) {
    case FieldType::Bool: {
        const QString word = value.trimmed().toLower();
        if (word == QLatin1String("true"))
            return QStringLiteral("1");
        if (word == QLatin1String("false"))
            return QStringLiteral("0");
        return std::nullopt;
    }
    case FieldType::Date:
        if (const auto moment = parseMoment(value))
            return quoteText(dateToStorage(moment->date));
        return std::nullopt;
    case FieldType::DateTime:
        if (const auto moment = parseMoment(value))
            return quoteText(dateTimeToStorage(QDateTime(moment->date, moment->time.value_or(QTime(0, 0)))));
        return std::nullopt;
    case FieldType::Time:
        if (const auto time = parseTime(value))
            return quoteText(timeToStorage(*time));
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

QString flipped(const QString &op)
{
    if (op == QLatin1String("<"))
        return QStringLiteral(">");
    if (op == QLatin1String(">"))
        return QStringLiteral("<");
    if (op == QLatin1String("<="))
        return QStringLiteral(">=");
    if (op == QLatin1String(">="))
        return QStringLiteral("<=");
    return op;
}

/// A date compared with a date-time field stands for the whole day, so the comparison becomes a range on
/// the stored text, which keeps the field's index usable.
QString dayComparison(const QString &column, const QString &op, const QDate &day)
{
    const QString from = quoteText(dateToStorage(day));
    const QString to = quoteText(dateToStorage(day.addDays(1)));
    if (op == QLatin1String("=") || op == QLatin1String("=="))
        return QStringLiteral("(%1 >= %2 AND %1 < %3)").arg(column, from, to);
    if (op == QLatin1String("<>") || op == QLatin1String("!="))
        return QStringLiteral("(%1 < %2 OR %1 >= %3)").arg(column, from, to);
    if (op == QLatin1String(">="))
        return QStringLiteral("%1 >= %2").arg(column, from);
    if (op == QLatin1String(">"))
        return QStringLiteral("%1 >= %2").arg(column, to);
    if (op == QLatin1String("<"))
        return QStringLiteral("%1 < %2").arg(column, from);
    return QStringLiteral("%1 < %2").arg(column, to); // "<="
}

bool isKeyword(const SqlToken &token)
{
    static const QStringList keywords{
        "AND", "OR", "NOT", "WHERE", "SELECT", "FROM", "ON", "JOIN", "INNER", "LEFT", "RIGHT", "OUTER",
        "CROSS", "BY", "ORDER", "GROUP", "HAVING", "AS", "SET", "VALUES", "INTO", "UPDATE", "DELETE", "INSERT",
        "LIKE", "IN", "IS", "NULL", "BETWEEN", "DISTINCT", "ALL", "CASE", "WHEN", "THEN", "ELSE", "END",
        "UNION", "LIMIT", "ASC", "DESC", "TABLE", "EXISTS", "ESCAPE", "OFFSET", "COLLATE"};
    if (token.kind != Kind::Word)
        return false;
    for (const QString &keyword : keywords)
        if (token.text.compare(keyword, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool isComparison(const SqlToken &token)
{
    static const QStringList ops{"=", "==", "<>", "!=", "<", ">", "<=", ">="};
    return token.kind == Kind::Symbol && ops.contains(token.text);
}

bool isAggregate(const SqlToken &token)
{
    for (const char *name : {"SUM", "COUNT", "MAX", "MIN", "AVG"})
        if (token.isWord(name))
            return true;
    return false;
}

bool isPlainName(const QString &name)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return plain.match(name).hasMatch();
}

class Translator
{
public:
    explicit Translator(const QString &sql)
        : m_tokens(tokenizeSql(sql))
    {
    }

    QString run()
    {
        tableNames();
        qualifyAmbiguousFields();
        markSetClauses();
        insertValues();
        comparisons();
        aggregateNames();
        QString out;
        for (const auto &token : m_tokens)
            out += token.text;
        return out;
    }

private:
    qsizetype nextSig(qsizetype i) const
    {
        for (++i; i < m_tokens.size(); ++i)
            if (m_tokens[i].kind != Kind::Space)
                return i;
        return -1;
    }

    qsizetype prevSig(qsizetype i) const
    {
        for (--i; i >= 0; --i)
            if (m_tokens[i].kind != Kind::Space)
                return i;
        return -1;
    }

    const SqlToken *at(qsizetype i) const { return i >= 0 && i < m_tokens.size() ? &m_tokens[i] : nullptr; }

    /// Replaces the tokens first..last by one text.
    void replaceSpan(qsizetype first, qsizetype last, const QString &text)
    {
        m_tokens[first].text = text;
        m_tokens[first].kind = Kind::Symbol;
        for (qsizetype i = first + 1; i <= last; ++i)
            m_tokens[i] = {Kind::Space, QString()};
    }

    bool isNameToken(qsizetype i) const
    {
        const SqlToken *token = at(i);
        return token && ((token->kind == Kind::Word && !isKeyword(*token)) || token->kind == Kind::QuotedName);
    }

    void tableNames()
    {
        bool expectTable = false;
        bool inFromList = false;
        int depth = 0;
        int fromDepth = 0;
        for (qsizetype i = 0; i < m_tokens.size(); ++i) {
            SqlToken &token = m_tokens[i];
            if (token.kind == Kind::Space)
                continue;
            if (token.isSymbol("(")) {
                ++depth;
                expectTable = false;
                continue;
            }
            if (token.isSymbol(")")) {
                --depth;
                if (depth < fromDepth)
                    inFromList = false;
                continue;
            }
            if (token.isWord("FROM") || token.isWord("JOIN") || token.isWord("INTO") || token.isWord("UPDATE")
                || token.isWord("TABLE")) {
                expectTable = true;
                inFromList = token.isWord("FROM") || token.isWord("JOIN");
                fromDepth = depth;
                continue;
            }
            if (inFromList && depth == fromDepth && token.isSymbol(",")) {
                expectTable = true;
                continue;
            }
            if (isKeyword(token) && !token.isWord("AS"))
                inFromList = inFromList && (token.isWord("INNER") || token.isWord("LEFT") || token.isWord("OUTER")
                                            || token.isWord("CROSS"));
            if (expectTable && (token.kind == Kind::Word || token.kind == Kind::QuotedName) && !isKeyword(token)) {
                const qsizetype last = rewriteTableName(i);
                if (inFromList)
                    addSource(i, last);
            }
            expectTable = false;
        }
    }

    /// Remembers a table of the from list with its alias ("MdePJ P").
    void addSource(qsizetype table, qsizetype last)
    {
        QString alias = m_tokens[table].name();
        qsizetype a = nextSig(last);
        if (at(a) && at(a)->isWord("AS"))
            a = nextSig(a);
        if (at(a) && at(a)->kind == Kind::Word && !isKeyword(*at(a)))
            alias = m_tokens[a].text;
        m_sources.append({m_tokens[table].name(), alias});
    }

    /// In a join, a field name that more than one of the tables has is taken from the first table, as the
    /// program's statements expect ("where SC_TourDate=" over MdePJ joined with MdeObj).
    void qualifyAmbiguousFields()
    {
        if (m_sources.size() < 2)
            return;
        QList<TableDef> tables;
        for (const auto &source : std::as_const(m_sources))
            if (const auto def = tableDef(source.first))
                tables.append(*def);
        for (qsizetype i = 0; i < m_tokens.size(); ++i) {
            const SqlToken &token = m_tokens[i];
            if (token.kind != Kind::Word || isKeyword(token))
                continue;
            const SqlToken *before = at(prevSig(i));
            const SqlToken *after = at(nextSig(i));
            if ((before && (before->isSymbol(".") || before->isWord("AS")))
                || (after && (after->isSymbol(".") || after->isSymbol("("))))
                continue;
            int owners = 0;
            for (const TableDef &table : std::as_const(tables))
                owners += table.field(token.text) ? 1 : 0;
            if (owners < 2)
                continue;
            m_tokens.insert(i, {Kind::Symbol, QStringLiteral(".")});
            m_tokens.insert(i, {Kind::Word, m_sources.first().second});
            i += 2;
        }
    }

    qsizetype rewriteTableName(qsizetype i)
    {
        qsizetype last = i;
        QString name = m_tokens[i].name();
        if (m_tokens[i].kind == Kind::Word && i + 2 < m_tokens.size() && m_tokens[i + 1].isSymbol(".")
            && m_tokens[i + 2].isWord("db"))
            last = i + 2;
        const QString canonical = canonicalTableName(name);
        const bool quote = m_tokens[i].kind == Kind::QuotedName || !isPlainName(canonical);
        replaceSpan(i, last, quote ? quoteIdentifier(canonical) : canonical);
        m_tokens[i].kind = quote ? Kind::QuotedName : Kind::Word;
        return last;
    }

    void markSetClauses()
    {
        m_inSet = QList<bool>(m_tokens.size(), false);
        bool inSet = false;
        int depth = 0;
        int setDepth = 0;
        for (qsizetype i = 0; i < m_tokens.size(); ++i) {
            const SqlToken &token = m_tokens[i];
            if (token.isSymbol("("))
                ++depth;
            else if (token.isSymbol(")"))
                --depth;
            else if (token.isWord("SET")) {
                inSet = true;
                setDepth = depth;
            } else if (token.isWord("WHERE") && depth <= setDepth)
                inSet = false;
            m_inSet[i] = inSet;
        }
    }

    /// The field name of a name token, and where a qualified name ("P.SC_TourDate") begins.
    QString columnName(qsizetype i, qsizetype *start) const
    {
        *start = i;
        const qsizetype dot = prevSig(i);
        if (at(dot) && at(dot)->isSymbol(".") && isNameToken(prevSig(dot)))
            *start = prevSig(dot);
        return m_tokens[i].name();
    }

    QString spanText(qsizetype first, qsizetype last) const
    {
        QString text;
        for (qsizetype i = first; i <= last; ++i)
            text += m_tokens[i].text;
        return text.trimmed();
    }

    void assign(qsizetype literal, FieldType type)
    {
        if (const auto stored = storedLiteral(type, m_tokens[literal].textValue()))
            m_tokens[literal].text = *stored;
    }

    /// column op literal (literal after the field when the field comes first).
    void compare(qsizetype columnStart, qsizetype columnEnd, qsizetype literal, const QString &op, FieldType type,
                 bool literalFirst)
    {
        const QString value = m_tokens[literal].textValue();
        if (type == FieldType::DateTime) {
            const auto moment = parseMoment(value);
            if (moment && !moment->time) {
                const QString column = spanText(columnStart, columnEnd);
                const QString condition = dayComparison(column, literalFirst ? flipped(op) : op, moment->date);
                if (literalFirst)
                    replaceSpan(literal, columnEnd, condition);
                else
                    replaceSpan(columnStart, literal, condition);
                return;
            }
        }
        assign(literal, type);
    }

    void comparisons()
    {
        for (qsizetype s = 0; s < m_tokens.size(); ++s) {
            if (m_tokens[s].kind != Kind::Text)
                continue;
            const qsizetype p = prevSig(s);
            if (at(p) && isComparison(*at(p)) && isNameToken(prevSig(p))) {
                qsizetype start = 0;
                const qsizetype c = prevSig(p);
                const auto type = fieldTypeByName(columnName(c, &start));
                if (!type)
                    continue;
                if (m_inSet[s] && m_tokens[p].text == QLatin1String("="))
                    assign(s, *type);
                else
                    compare(start, c, s, m_tokens[p].text, *type, false);
                continue;
            }
            if (at(p) && at(p)->isWord("BETWEEN") && isNameToken(prevSig(p))) {
                between(prevSig(p), s);
                continue;
            }
            const qsizetype n = nextSig(s);
            if (at(n) && isComparison(*at(n)) && isNameToken(nextSig(n))) {
                qsizetype c = nextSig(n);
                const qsizetype dot = nextSig(c);
                if (at(dot) && at(dot)->isSymbol(".") && isNameToken(nextSig(dot)))
                    c = nextSig(dot);
                else if (at(dot) && at(dot)->isSymbol("("))
                    continue; // a function, not a field
                qsizetype start = 0;
                if (const auto type = fieldTypeByName(columnName(c, &start)))
                    compare(start, c, s, m_tokens[n].text, *type, true);
            }
        }
    }

    void between(qsizetype column, qsizetype low)
    {
        const qsizetype andWord = nextSig(low);
        const qsizetype high = nextSig(andWord);
        if (!at(andWord) || !at(andWord)->isWord("AND") || !at(high) || at(high)->kind != Kind::Text)
            return;
        qsizetype start = 0;
        const auto type = fieldTypeByName(columnName(column, &start));
        if (!type)
            return;
        const auto from = parseMoment(m_tokens[low].textValue());
        const auto to = parseMoment(m_tokens[high].textValue());
        if (*type == FieldType::DateTime && from && to && !from->time && !to->time) {
            const QString name = spanText(start, column);
            replaceSpan(start, high, QStringLiteral("(%1 AND %2)")
                                         .arg(dayComparison(name, QStringLiteral(">="), from->date),
                                              dayComparison(name, QStringLiteral("<="), to->date)));
            return;
        }
        assign(low, *type);
        assign(high, *type);
    }

    /// Insert into t (f1, f2) values ('x', 'y'): each literal is stored as its field's type.
    void insertValues()
    {
        for (qsizetype i = 0; i < m_tokens.size(); ++i) {
            if (!m_tokens[i].isWord("INSERT"))
                continue;
            const qsizetype into = nextSig(i);
            const qsizetype table = nextSig(into);
            if (!at(into) || !at(into)->isWord("INTO") || !isNameToken(table))
                continue;
            QStringList fields;
            qsizetype k = nextSig(table);
            if (at(k) && at(k)->isSymbol("(")) {
                for (k = nextSig(k); at(k) && !at(k)->isSymbol(")"); k = nextSig(k))
                    if (isNameToken(k))
                        fields.append(m_tokens[k].name());
                k = nextSig(k);
            } else if (const auto def = tableDef(m_tokens[table].name())) {
                fields = def->fieldNames();
            }
            if (!at(k) || !at(k)->isWord("VALUES"))
                continue;
            for (k = nextSig(k); at(k) && at(k)->isSymbol("("); k = nextSig(k)) {
                k = valueRow(k, fields);
                if (!at(nextSig(k)) || !at(nextSig(k))->isSymbol(","))
                    break;
                k = nextSig(k);
            }
        }
    }

    /// Converts the single-literal values of one "(...)" row; returns the index of its ")".
    qsizetype valueRow(qsizetype open, const QStringList &fields)
    {
        int depth = 0;
        int item = 0;
        qsizetype itemStart = -1;
        qsizetype itemTokens = 0;
        auto finishItem = [&]() {
            if (itemTokens == 1 && m_tokens[itemStart].kind == Kind::Text && item < fields.size())
                if (const auto type = fieldTypeByName(fields[item]))
                    assign(itemStart, *type);
            ++item;
            itemStart = -1;
            itemTokens = 0;
        };
        for (qsizetype k = nextSig(open); at(k); k = nextSig(k)) {
            const SqlToken &token = m_tokens[k];
            if (depth == 0 && token.isSymbol(")")) {
                finishItem();
                return k;
            }
            if (depth == 0 && token.isSymbol(",")) {
                finishItem();
                continue;
            }
            if (token.isSymbol("("))
                ++depth;
            else if (token.isSymbol(")"))
                --depth;
            if (itemStart < 0)
                itemStart = k;
            ++itemTokens;
        }
        return m_tokens.size();
    }

    /// Unnamed Sum(x), Count(*), Max(x) ... in a select list are named "SUM OF x" as the dialect expects.
    void aggregateNames()
    {
        for (qsizetype i = 0; i < m_tokens.size(); ++i) {
            if (!m_tokens[i].isWord("SELECT"))
                continue;
            int depth = 0;
            qsizetype itemStart = nextSig(i);
            if (at(itemStart) && (at(itemStart)->isWord("DISTINCT") || at(itemStart)->isWord("ALL")))
                itemStart = nextSig(itemStart);
            for (qsizetype k = itemStart; at(k); k = nextSig(k)) {
                const SqlToken &token = m_tokens[k];
                if (token.isSymbol("("))
                    ++depth;
                else if (token.isSymbol(")"))
                    --depth;
                const bool end = depth == 0 && (token.isSymbol(",") || token.isWord("FROM"));
                if (depth < 0 || end) {
                    if (end)
                        nameAggregate(itemStart, prevSig(k));
                    if (!token.isSymbol(","))
                        break;
                    itemStart = nextSig(k);
                }
            }
        }
    }

    void nameAggregate(qsizetype first, qsizetype last)
    {
        const qsizetype open = nextSig(first);
        if (!at(first) || !isAggregate(m_tokens[first]) || !at(open) || !at(open)->isSymbol("(")
            || !m_tokens[last].isSymbol(")"))
            return;
        int depth = 0;
        for (qsizetype k = open; k <= last; k = nextSig(k)) {
            if (m_tokens[k].isSymbol("("))
                ++depth;
            else if (m_tokens[k].isSymbol(")") && --depth == 0 && k != last)
                return; // the aggregate is only part of the item
        }
        const QString argument = spanText(open + 1, last - 1);
        m_tokens[last].text += QStringLiteral(" AS ")
                             + quoteIdentifier(m_tokens[first].text.toUpper() + QStringLiteral(" OF ") + argument);
    }

    QList<SqlToken> m_tokens;
    QList<bool> m_inSet;
    QList<std::pair<QString, QString>> m_sources; ///< table and alias of each table in a from list
};

} // namespace

QString translateSql(const QString &sql)
{
    return Translator(sql).run();
}

} // namespace tekvora::db
