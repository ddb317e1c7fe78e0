#pragma once

#include "db/Database.h"
#include "db/Schema.h"

#include <QObject>
#include <QPointer>
#include <QSet>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

namespace tekvora::db {

/// A cursor over one table: an index order, a filter in the program's dialect, an optional master-detail
/// link, navigation, locate and find-nearest, and editing of one record at a time. Every step is a short
/// parameterised statement. Values read and written are the field types' own (QDate, QDateTime, bool, ...).
class TableCursor : public QObject
{
    Q_OBJECT

public:
    enum class State { Inactive, Browse, Edit, Insert };

    explicit TableCursor(const QString &tableName = {}, const QString &connectionName = kConnectionName,
                         QObject *parent = nullptr);
    ~TableCursor() override;

    /// The table by any spelling ("Personal.DB"); closes the cursor.
    void setTableName(const QString &name);
    QString tableName() const { return m_tableName; }
    QString connectionName() const { return m_connectionName; }

    /// Orders by the named index ("" = primary key); false when the table has no such index.
    bool setIndexName(const QString &indexName);
    QString indexName() const { return m_indexName; }
    /// Orders by fields ("TS_Objekt;TS_Abschnitt"); an index leading with them gives its options (ci).
    void setIndexFieldNames(const QString &fields);
    /// The fields of the current order, separated by ";".
    QString indexFieldNames() const { return m_orderFields.join(u';'); }
    /// The table's indexes, the primary key first, in the store's order.
    QList<IndexDef> indexes() const;

    /// A filter in the program's dialect ("P_Aktiv='true'"); empty for none. Applies at once when open.
    bool setFilter(const QString &filter);
    QString filter() const { return m_filter; }

    /// Restricts this cursor to the records whose detailField equals the master's current masterField.
    void setMasterLink(TableCursor *master, const QString &masterField, const QString &detailField);

    /// An editable live query of the form "select * from T [where ...] [order by ...]"; false for another form.
    bool setLiveQuery(const QString &sql);

    bool open();
    void close();
    bool isOpen() const { return m_state != State::Inactive; }
    State state() const { return m_state; }
    /// The store's message of the last failed step.
    QString lastError() const { return m_error; }
    /// Reads the records again and stays on the current one where it still exists.
    bool refresh();

    /// The table's fields as the store holds them.
    const TableDef &definition() const { return m_def; }
    const FieldDef *field(const QString &name) const { return m_def.field(name); }

    bool first();
    bool last();
    bool next();  ///< false at the end (atEnd() true)
    bool prior(); ///< false at the start (atStart() true)
    bool atEnd() const { return m_eof; }
    bool atStart() const { return m_bof; }
    bool isEmpty();
    int recordCount();
    /// 1-based position of the current record, 0 without one.
    int recordNumber();

    /// Moves to the first record (in the current order) whose field equals the value.
    bool locate(const QString &fieldName, const QVariant &value, Qt::CaseSensitivity cs = Qt::CaseSensitive);
    /// Moves to the first record whose current-index key is at or after the values (the last one when none is).
    bool findNearest(const QVariantList &keyValues);
    /// Moves to the record whose current-index key equals the values; false (and no move) when none does.
    bool findKey(const QVariantList &keyValues);

    bool hasRecord() const { return m_rowId >= 0 || m_state == State::Insert; }
    /// The current value (the edit buffer while editing); null for an unknown field.
    QVariant value(const QString &fieldName) const;
    /// The value as people read it (booleans "Ja"/"Nein", dates "dd.mm.yyyy").
    QString displayText(const QString &fieldName) const;
    QSqlRecord record() const { return m_record; }
    /// Sets a field of the edit buffer; false when not editing, for an unknown field or one over its limit.
    bool setValue(const QString &fieldName, const QVariant &value);
    /// The highest value a number field accepts (0: no limit of our own).
    void setMaximum(const QString &fieldName, qint64 maximum);

    bool append();
    bool edit();
    /// Switches to editing unless already editing or inserting; true when editing or inserting after.
    bool ensureEditing();
    bool post();
    void cancel();
    /// Deletes the current record and moves to the next one (or the new last one).
    bool remove();

    /// The cursors open on that connection (for closing and reopening around a restore).
    static QList<TableCursor *> openCursors(const QString &connectionName);

signals:
    /// Moved, opened, closed, or the data changed.
    void changed();

private:
    QSqlDatabase db() const;
    bool fail(const QString &message);
    QString orderClause() const;
    QString whereClause(QVariantList &binds) const;
    bool loadKeys();
    bool moveToRow(int position);
    bool moveToRowId(qint64 rowId);
    bool readCurrent();
    void clearCurrent();
    qint64 firstMatch(const QString &condition, const QVariantList &binds);
    void masterMoved();
    void resetKeys() { m_keysLoaded = false; }

    QString m_tableName;
    QString m_connectionName;
    TableDef m_def;
    QString m_indexName;
    QStringList m_orderFields;
    bool m_orderNoCase = false;
    QString m_orderOverride;
    QString m_filter;
    QString m_translatedFilter;
    QPointer<TableCursor> m_master;
    QString m_masterField;
    QString m_detailField;
    QHash<QString, qint64> m_maximum;

    State m_state = State::Inactive;
    QString m_error;
    QList<qint64> m_keys;
    bool m_keysLoaded = false;
    int m_pos = -1;
    qint64 m_rowId = -1;
    bool m_bof = true;
    bool m_eof = true;
    QSqlRecord m_record;
    QSet<QString> m_modified;
};

} // namespace tekvora::db
