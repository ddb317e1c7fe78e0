#pragma once

#include <QSqlDatabase>

namespace tekvora::db {

/// Rolls back unless committed, so every early return leaves the store as it was.
class SqlTransaction
{
public:
    explicit SqlTransaction(QSqlDatabase &db) : m_db(db), m_active(db.transaction()) {}
    ~SqlTransaction()
    {
        if (m_active)
            m_db.rollback();
    }
    SqlTransaction(const SqlTransaction &) = delete;
    SqlTransaction &operator=(const SqlTransaction &) = delete;

    bool isActive() const { return m_active; }
    bool commit()
    {
        m_active = !m_db.commit();
        return !m_active;
    }

private:
    QSqlDatabase &m_db;
    bool m_active;
};

} // namespace tekvora::db
