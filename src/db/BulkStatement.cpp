#include "db/BulkStatement.h"

#include "db/StorageValue.h"

#include <QSqlDriver>

#include <sqlite3.h>

namespace tekvora::db {

namespace {

sqlite3 *handleOf(const QSqlDatabase &db)
{
    const QVariant handle = db.isOpen() ? db.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(handle.constData());
}

bool isNullValue(const QVariant &value)
{
    if (value.isNull())
        return true;
    switch (value.typeId()) {
    case QMetaType::QString:
        return value.toString().isNull();
    case QMetaType::QByteArray:
        return value.toByteArray().isNull();
    default:
        return false;
    }
}

} // namespace

bool BulkStatement::prepare(QSqlDatabase db, const QString &sql)
{
    sqlite3_finalize(m_statement);
    m_statement = nullptr;
    m_hasRow = false;
    sqlite3 *handle = handleOf(db);
    if (!handle) {
        m_error = QStringLiteral("Die Datenbank ist nicht geöffnet.");
        return false;
    }
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(handle, text.constData(), int(text.size()), &m_statement, nullptr) != SQLITE_OK) {
        m_error = QString::fromUtf8(sqlite3_errmsg(handle));
        sqlite3_finalize(m_statement);
        m_statement = nullptr;
        return false;
    }
    m_error.clear();
    return true;
}

BulkStatement::~BulkStatement()
{
    sqlite3_finalize(m_statement);
}

bool BulkStatement::exec(const QVariantList &values)
{
    if (!m_statement)
        return false;
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
    m_boundTexts.clear();
    m_hasRow = false;
    for (int i = 0; i < values.size(); ++i)
        if (!bind(i + 1, values[i]))
            return fail();
    const int result = sqlite3_step(m_statement);
    if (result == SQLITE_ROW) {
        m_hasRow = true;
        return true;
    }
    return result == SQLITE_DONE || fail();
}

bool BulkStatement::next()
{
    if (!m_statement)
        return false;
    if (m_hasRow) {
        // exec() already stepped onto the first row.
        m_hasRow = false;
        return true;
    }
    const int result = sqlite3_step(m_statement);
    if (result == SQLITE_ROW)
        return true;
    if (result != SQLITE_DONE)
        fail();
    return false;
}

QVariant BulkStatement::value(int column) const
{
    switch (sqlite3_column_type(m_statement, column)) {
    case SQLITE_INTEGER:
        return qint64(sqlite3_column_int64(m_statement, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(m_statement, column);
    case SQLITE_TEXT:
        return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column)),
                                 sqlite3_column_bytes(m_statement, column));
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char *>(sqlite3_column_blob(m_statement, column)),
                          sqlite3_column_bytes(m_statement, column));
    default:
        return {};
    }
}

bool BulkStatement::bind(int position, const QVariant &value)
{
    if (isNullValue(value))
        return sqlite3_bind_null(m_statement, position) == SQLITE_OK;
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return sqlite3_bind_int64(m_statement, position, value.toLongLong()) == SQLITE_OK;
    case QMetaType::Double:
    case QMetaType::Float:
        return sqlite3_bind_double(m_statement, position, value.toDouble()) == SQLITE_OK;
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        return sqlite3_bind_blob(m_statement, position, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT)
               == SQLITE_OK;
    }
    case QMetaType::QDate:
    case QMetaType::QDateTime:
    case QMetaType::QTime: {
        const QVariant stored = toStorage(value);
        return stored.isNull() ? sqlite3_bind_null(m_statement, position) == SQLITE_OK : bind(position, stored);
    }
    default: {
        // The store keeps UTF-8; the text stays ours until the next run, so SQLite need not copy it.
        const QByteArray &text = m_boundTexts.emplace_back(value.toString().toUtf8());
        return sqlite3_bind_text(m_statement, position, text.constData(), int(text.size()), SQLITE_STATIC)
               == SQLITE_OK;
    }
    }
}

bool BulkStatement::fail()
{
    m_error = QString::fromUtf8(sqlite3_errmsg(sqlite3_db_handle(m_statement)));
    sqlite3_reset(m_statement);
    return false;
}

} // namespace tekvora::db
