#pragma once

#include "db/Database.h"

#include <QTemporaryDir>
#include <QTest>

namespace tekvora::test {

/// A fresh template store in a temporary data directory, open under the program's connection
/// ("Vidizavid") unless another name is given; closed and removed again at the end.
class TempDatabase
{
public:
    explicit TempDatabase(const QString &connectionName = db::kConnectionName)
        : m_connection(connectionName)
    {
        const db::DbResult result = db::createDatabase(m_connection, m_dir.path());
        if (!result.ok)
            qWarning("TempDatabase: %s", qPrintable(result.error));
    }
    ~TempDatabase() { db::closeDatabase(m_connection); }
    TempDatabase(const TempDatabase &) = delete;
    TempDatabase &operator=(const TempDatabase &) = delete;

    QString dataDir() const { return m_dir.path(); }
    QSqlDatabase database() const { return db::database(m_connection); }

private:
    QTemporaryDir m_dir;
    QString m_connection;
};

} // namespace tekvora::test
