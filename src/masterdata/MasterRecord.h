#pragma once

#include "db/Database.h"
#include "db/TableCursor.h"
#include "masterdata/MasterTable.h"

#include <QVariant>

namespace tekvora::app {
class UserPrompt;
}

namespace tekvora::masterdata {

/// The one record a master-data editor works on: moved to by its key, edited field by field, posted with
/// the table's rules (a number another record has is refused) and deleted after the table's question.
/// Grids show the rows; this holds the record being looked at or edited.
class MasterRecord
{
public:
    MasterRecord(MasterTable table, app::UserPrompt &prompt, const QString &connectionName = db::kConnectionName);

    const MasterTable &table() const { return m_table; }
    app::UserPrompt &prompt() const { return m_prompt; }
    QSqlDatabase database() const;
    /// The cursor holding the record; its definition gives field types and sizes.
    db::TableCursor &cursor() { return m_cursor; }
    const db::FieldDef *field(const QString &name) const { return m_cursor.field(name); }

    bool open();
    bool isOpen() const { return m_cursor.isOpen(); }
    /// Moves to the record with that key (none for a null key); an edit in progress must be posted first.
    bool moveTo(const QVariant &key);
    QVariant key() const;
    bool hasRecord() const { return m_cursor.hasRecord(); }
    bool isEditing() const;
    bool isInserting() const;

    QVariant value(const QString &fieldName) const { return m_cursor.value(fieldName); }
    QString displayText(const QString &fieldName) const { return m_cursor.displayText(fieldName); }
    /// Puts the record into edit state and sets the field; false after a message for a refused value.
    bool setValue(const QString &fieldName, const QVariant &value);
    /// The same from typed text: numbers with a decimal comma, dates "dd.mm.yyyy", text within the field size.
    bool setText(const QString &fieldName, const QString &text);

    /// Stores the edit; a number another record has, or a failing store, is refused with a message and the
    /// record stays in edit state. True without an edit.
    bool post();
    void cancel();
    /// A new record with the next key, the next free number and the table's values, plus `values`.
    bool insert(const QVariantMap &values = {});
    /// Asks the table's delete question (when there is one) and deletes the record; false on "Nein".
    bool remove();

    /// A new number for the record: asks first when it has one that is not zero; "Nein" changes nothing.
    bool proposeNumber();
    /// A mark turned over: a bool field null/false -> true, else false; a number field 0/null -> 1, else 0.
    bool invertMark(const QString &fieldName);

private:
    bool numberTaken(const QVariant &number);

    MasterTable m_table;
    app::UserPrompt &m_prompt;
    db::TableCursor m_cursor;
};

} // namespace tekvora::masterdata
