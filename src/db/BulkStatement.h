#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

#include <vector>

struct sqlite3_stmt;

namespace tekvora::db {

/// One prepared statement straight on the store's handle, for loops over many thousands of rows
/// (saving a scan run, posting, bulk loads). Binding through QSqlQuery costs more than the insert
/// itself; here a row costs what SQLite needs. Runs inside the caller's transaction.
class BulkStatement
{
public:
    BulkStatement() = default;
    BulkStatement(QSqlDatabase db, const QString &sql) { prepare(db, sql); }
    ~BulkStatement();
    BulkStatement(const BulkStatement &) = delete;
    BulkStatement &operator=(const BulkStatement &) = delete;

    /// Prepares `sql` (SQLite's own dialect) on the open store; false with lastError().
    bool prepare(QSqlDatabase db, const QString &sql);
    bool isValid() const { return m_statement != nullptr; }
    /// The store's message of the failed prepare or run.
    QString lastError() const { return m_error; }

    /// Binds the values to the placeholders in order and runs the statement; false with lastError().
    /// Values bind as QSqlQuery would bind them: null strings, dates and variants as NULL, dates as storage text.
    bool exec(const QVariantList &values);

    /// After exec() of a query: steps to the next row; false at the end or on an error.
    bool next();
    /// A column of the current row: integer, real, text, blob or null as stored.
    QVariant value(int column) const;

private:
    bool bind(int position, const QVariant &value);
    bool fail();

    sqlite3_stmt *m_statement = nullptr;
    QString m_error;
    bool m_hasRow = false;
    std::vector<QByteArray> m_boundTexts;
};

} // namespace tekvora::db
