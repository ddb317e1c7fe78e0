#include "db/IndexChoice.h"

namespace tekvora::db {

namespace {

int columnOf(const QStringList &columnFields, const QString &field)
{
    for (int i = 0; i < columnFields.size(); ++i)
        if (columnFields[i].compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

} // namespace

SortState &lastSort()
{
    static SortState state;
    return state;
}

IndexChoice chooseIndexForColumn(SortState &state, const QList<IndexDef> &indexes, const QStringList &columnFields,
                                 const QString &field)
{
    IndexChoice choice;
    const int column = columnOf(columnFields, field);
    for (const IndexDef &index : indexes) {
        if (index.fieldList().startsWith(field, Qt::CaseInsensitive)) {
            if (column >= 0)
                choice = {index, column};
            break;
        }
    }
    if (!choice.index && !columnFields.isEmpty())
        choice = chooseIndexForField(state, indexes, columnFields, columnFields.first(), false);
    state.lastField = field;
    state.lastColumn = choice.column;
    return choice;
}

IndexChoice chooseIndexForField(SortState &state, const QList<IndexDef> &indexes, const QStringList &columnFields,
                                const QString &field, bool force)
{
    if (!force && field.compare(state.lastField, Qt::CaseInsensitive) == 0)
        return {std::nullopt, state.lastColumn};
    const QString key = field.left(10);
    const IndexDef *best = nullptr;
    qsizetype bestPosition = -1;
    for (const IndexDef &index : indexes) {
        const qsizetype position = index.fieldList().indexOf(key, 0, Qt::CaseInsensitive);
        if (position >= 0 && (!best || position < bestPosition)) {
            best = &index;
            bestPosition = position;
        }
    }
    if (!best)
        return {std::nullopt, state.lastColumn};
    state.lastField = field;
    state.lastColumn = columnOf(columnFields, field);
    return {*best, state.lastColumn};
}

} // namespace tekvora::db
