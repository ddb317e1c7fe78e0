#include "masterdata/MasterRecord.h"

#include "app/UserPrompt.h"
#include "db/Numbers.h"
#include "db/SqlQuote.h"
#include "masterdata/MasterDataTexts.h"
#include "db/SqlTransaction.h"

#include <QDate>
#include <QSqlError>
#include <QSqlQuery>

namespace tekvora::masterdata {

namespace {

bool isNumberType(db::FieldType type)
{
    return type == db::FieldType::Int32 || type == db::FieldType::Int16;
}

bool isFloatType(db::FieldType type)
{
    return type == db::FieldType::Float || type == db::FieldType::Money;
}

} // namespace

MasterRecord::MasterRecord(MasterTable table, app::UserPrompt &prompt, const QString &connectionName)
    : m_table(std::move(table)), m_prompt(prompt), m_cursor(m_table.table, connectionName)
{
}

QSqlDatabase MasterRecord::database() const
{
    return db::database(m_cursor.connectionName());
}

bool MasterRecord::open()
{
    // Restricted to one key at a time, so a table of any size opens at once.
    m_cursor.setFilter(QStringLiteral("0=1"));
    return m_cursor.open();
}

bool MasterRecord::moveTo(const QVariant &key)
{
    if (isEditing())
        m_cursor.cancel();
    bool ok = false;
    const qlonglong number = key.toLongLong(&ok);
    const QString filter = !key.isNull() && ok
                               ? QStringLiteral("%1=%2").arg(db::quoteIdentifier(m_table.keyField)).arg(number)
                               : QStringLiteral("0=1");
    return m_cursor.setFilter(filter) && m_cursor.hasRecord();
}

QVariant MasterRecord::key() const
{
    return m_cursor.value(m_table.keyField);
}

bool MasterRecord::isEditing() const
{
    return m_cursor.state() == db::TableCursor::State::Edit || isInserting();
}

bool MasterRecord::isInserting() const
{
    return m_cursor.state() == db::TableCursor::State::Insert;
}

bool MasterRecord::setValue(const QString &fieldName, const QVariant &value)
{
    const db::FieldDef *f = field(fieldName);
    if (f && f->type == db::FieldType::String && f->size > 0 && value.toString().size() > f->size) {
        m_prompt.error(MasterDataTexts::TextTooLong.arg(f->name).arg(f->size));
        return false;
    }
    if (!m_cursor.ensureEditing() || !m_cursor.setValue(fieldName, value)) {
        m_prompt.error(MasterDataTexts::NotSaved.arg(m_cursor.lastError()));
        return false;
    }
    return true;
}

bool MasterRecord::setText(const QString &fieldName, const QString &text)
{
    const db::FieldDef *f = field(fieldName);
    if (!f)
        return setValue(fieldName, text);
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() && f->type != db::FieldType::String)
        return setValue(fieldName, QVariant());
    if (isNumberType(f->type)) {
        bool ok = false;
        const qlonglong number = trimmed.toLongLong(&ok);
        if (!ok || number < (f->type == db::FieldType::Int16 ? -32768 : INT_MIN) ||
            number > (f->type == db::FieldType::Int16 ? 32767 : INT_MAX)) {
            m_prompt.error(MasterDataTexts::NotANumber.arg(text));
            return false;
        }
        return setValue(fieldName, number);
    }
    if (isFloatType(f->type)) {
        bool ok = false;
        const double number = QString(trimmed).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
        if (!ok) {
            m_prompt.error(MasterDataTexts::NotANumber.arg(text));
            return false;
        }
        return setValue(fieldName, number);
    }
    if (f->type == db::FieldType::Date) {
        const QDate date = QDate::fromString(trimmed, QStringLiteral("dd.MM.yyyy"));
        if (!date.isValid()) {
            m_prompt.error(MasterDataTexts::NotADate.arg(text));
            return false;
        }
        return setValue(fieldName, date);
    }
    if (f->type == db::FieldType::Bool)
        return setValue(fieldName, trimmed.startsWith(QLatin1Char('J'), Qt::CaseInsensitive));
    return setValue(fieldName, text);
}

bool MasterRecord::numberTaken(const QVariant &number)
{
    const QVariant ownKey = key();
    if (!isInserting()) {
        // Numbers given twice before (by an import, by another program) stay editable as long as they stay.
        QSqlQuery own(database());
        own.prepare(QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ? AND %3 = ?")
                        .arg(db::quoteIdentifier(m_table.table), db::quoteIdentifier(m_table.keyField),
                             db::quoteIdentifier(m_table.number.field)));
        own.addBindValue(ownKey);
        own.addBindValue(number.toLongLong());
        if (own.exec() && own.next())
            return false;
    }
    QSqlQuery query(database());
    query.prepare(QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ? AND (? IS NULL OR %3 <> ?) LIMIT 1")
                      .arg(db::quoteIdentifier(m_table.table), db::quoteIdentifier(m_table.number.field),
                           db::quoteIdentifier(m_table.keyField)));
    query.addBindValue(number.toLongLong());
    query.addBindValue(ownKey);
    query.addBindValue(ownKey);
    return query.exec() && query.next();
}

bool MasterRecord::post()
{
    if (!isEditing())
        return true;
    if (!m_table.number.field.isEmpty()) {
        const QVariant number = value(m_table.number.field);
        if (!number.isNull() && numberTaken(number)) {
            m_prompt.error(m_table.number.takenMessage.arg(number.toLongLong()));
            return false;
        }
    }
    if (!m_cursor.post()) {
        m_prompt.error(MasterDataTexts::NotSaved.arg(m_cursor.lastError()));
        return false;
    }
    return true;
}

void MasterRecord::cancel()
{
    m_cursor.cancel();
}

bool MasterRecord::insert(const QVariantMap &values)
{
    if (isEditing() && !post())
        return false;
    if (!m_cursor.append())
        return false;
    QVariantMap all = m_table.newRecordValues;
    all.insert(m_table.keyField, db::nextKey(m_table.table, m_table.keyField, database()));
    if (!m_table.number.field.isEmpty() && m_table.number.nextFree)
        all.insert(m_table.number.field, m_table.number.nextFree(database()));
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        all.insert(it.key(), it.value());
    for (auto it = all.cbegin(); it != all.cend(); ++it) {
        if (!m_cursor.setValue(it.key(), it.value())) {
            m_prompt.error(MasterDataTexts::NotSaved.arg(m_cursor.lastError()));
            m_cursor.cancel();
            return false;
        }
    }
    return true;
}

bool MasterRecord::remove()
{
    if (isInserting()) {
        m_cursor.cancel();
        return true;
    }
    if (!hasRecord())
        return false;
    if (!m_table.deleteQuestion.isEmpty() && !m_prompt.confirm(m_table.deleteQuestion))
        return false;
    QSqlDatabase db = database();
    db::SqlTransaction transaction(db);
    const QVariant ownKey = key();
    for (const QString &statement : m_table.deleteAlso) {
        QSqlQuery query(db);
        query.prepare(statement);
        query.addBindValue(ownKey);
        if (!query.exec()) {
            m_prompt.error(MasterDataTexts::NotDeleted.arg(query.lastError().text()));
            return false;
        }
    }
    if (!m_cursor.remove() || !transaction.commit()) {
        m_prompt.error(MasterDataTexts::NotDeleted.arg(m_cursor.lastError()));
        m_cursor.refresh();
        return false;
    }
    return true;
}

bool MasterRecord::proposeNumber()
{
    const NumberRule &rule = m_table.number;
    if (rule.field.isEmpty() || !rule.nextFree || !hasRecord())
        return false;
    const QVariant number = value(rule.field);
    if (!number.isNull() && number.toLongLong() != 0 && !m_prompt.confirm(rule.changeQuestion))
        return false;
    return setValue(rule.field, rule.nextFree(database()));
}

bool MasterRecord::invertMark(const QString &fieldName)
{
    const db::FieldDef *f = field(fieldName);
    if (!f || !hasRecord())
        return false;
    const QVariant current = value(fieldName);
    if (f->type == db::FieldType::Bool)
        return setValue(fieldName, !current.toBool());
    return setValue(fieldName, current.isNull() || current.toLongLong() == 0 ? 1 : 0);
}

} // namespace tekvora::masterdata
