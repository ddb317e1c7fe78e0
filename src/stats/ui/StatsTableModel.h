#pragma once

#include "stats/StatsQuery.h"
#include "stats/StatsViews.h"

#include <QSqlQueryModel>

namespace tekvora::stats {

/// Read-only rows of a statistics query, fetched in blocks as the grid scrolls. Shows the
/// definition's columns formatted for people; further selected fields are read by name.
class StatsTableModel : public QSqlQueryModel
{
    Q_OBJECT

public:
    StatsTableModel(const ViewDefinition &definition, QObject *parent = nullptr);

    const ViewDefinition &definition() const { return m_definition; }

    /// Runs the statement; an error leaves the model empty and returns false with the text.
    bool load(const QSqlDatabase &db, const BoundSql &sql, QString *error);
    /// Forgets the rows (the query is closed).
    void close();

    void setHourMinuteFormat(bool on);

    /// A selected field of a row, by name (also fields that are not shown).
    QVariant fieldValue(int row, const QString &field) const;
    /// The first row whose SC_ID is id, fetching further blocks as needed; -1 when there is none.
    int rowOfId(qint64 id);
    /// The first row at or after `from` whose column text starts with `text` (case-insensitive),
    /// fetching further blocks as needed; -1 when there is none.
    int findPrefix(int column, const QString &text, int from);
    /// Fetches every row (for "last").
    void fetchAll();

    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QString displayText(int row, int column) const;

    ViewDefinition m_definition;
    bool m_hourMinuteFormat = false;
};

} // namespace tekvora::stats
