#include "db/RecordMigration.h"

#include "app/UserPrompt.h"
#include "db/Schema.h"
#include "db/SqlQuote.h"
#include "db/UpgradeProgress.h"
#include "db/UpgradeTexts.h"

#include <QFile>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <limits>
#include <optional>

namespace tekvora::db {

namespace {

const QString NewConnection = QStringLiteral("DstDB");
const QString OldSchema = QStringLiteral("SrcDB");
const QString PrintFormTable = QStringLiteral("QrFrmDef");

/// Tables whose old records replace the template's even when the template has records.
bool isAlwaysCopied(const QString &table)
{
    static const QStringList names{QStringLiteral("FIRMEN"),   QStringLiteral("KOSTART"), QStringLiteral("MGEINH"),
                                   QStringLiteral("MWSTSATZ"), QStringLiteral("ZAHLART"), QStringLiteral("ZAHLBED"),
                                   QStringLiteral("ZEITART"),  QStringLiteral("FTPDEF")};
    QString upper = table.toUpper();
    if (upper.endsWith(QLatin1String(".DB")))
        upper.chop(3);
    return names.contains(upper);
}

/// Work tables that are rebuilt on every use and never worth keeping.
bool isScratchTable(const QString &table)
{
    static const QRegularExpression scratch(QStringLiteral("^(temp|tmppr\\d{3})(\\.db)?$"),
                                            QRegularExpression::CaseInsensitiveOption);
    return scratch.match(table).hasMatch();
}

QStringList tableNames(QSqlDatabase &db, const QString &schema)
{
    QStringList names;
    QSqlQuery query(db);
    if (query.exec(QStringLiteral("SELECT name FROM %1.sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite\\_%' "
                                  "ESCAPE '\\' ORDER BY rowid")
                       .arg(schema))) {
        while (query.next())
            names << query.value(0).toString();
    }
    return names;
}

bool containsName(const QStringList &names, const QString &name)
{
    return std::any_of(names.begin(), names.end(),
                       [&](const QString &other) { return other.compare(name, Qt::CaseInsensitive) == 0; });
}

/// The table of that name in `schema` in its stored spelling, or an empty text.
QString findTable(QSqlDatabase &db, const QString &schema, const QString &table)
{
    for (const QString &name : tableNames(db, schema)) {
        if (name.compare(table, Qt::CaseInsensitive) == 0)
            return name;
    }
    return {};
}

std::optional<QStringList> columnNames(QSqlDatabase &db, const QString &schema, const QString &table)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA %1.table_info(%2)").arg(schema, quoteIdentifier(table))))
        return std::nullopt;
    QStringList names;
    while (query.next())
        names << query.value(1).toString();
    if (names.isEmpty())
        return std::nullopt;
    return names;
}

std::optional<qint64> countRecords(QSqlDatabase &db, const QString &schema, const QString &table)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT count(*) FROM %1.%2").arg(schema, quoteIdentifier(table))) || !query.next())
        return std::nullopt;
    return query.value(0).toLongLong();
}

/// The old field that fills a new one: its namesake, or "TF_TaetigNr" for "TF_TaetigID".
QString sourceField(const QString &newField, const QStringList &oldFields)
{
    for (const QString &old : oldFields) {
        if (old.compare(newField, Qt::CaseInsensitive) == 0)
            return old;
    }
    if (newField.compare(QLatin1String("TF_TaetigID"), Qt::CaseInsensitive) == 0) {
        for (const QString &old : oldFields) {
            if (old.compare(QLatin1String("TF_TaetigNr"), Qt::CaseInsensitive) == 0)
                return old;
        }
    }
    return {};
}

} // namespace

RecordMigration::RecordMigration(const QString &newDir, const QString &newFile, const QString &oldDir,
                                 const QString &oldFile, app::UserPrompt &prompt, UpgradeProgress &progress)
    : m_newDir(newDir)
    , m_newFile(newFile)
    , m_oldDir(oldDir)
    , m_oldFile(oldFile)
    , m_prompt(prompt)
    , m_progress(progress)
{
}

bool RecordMigration::run()
{
    m_progress.setText(upgradetext::Migrating);
    m_progress.setText(upgradetext::UpdatingDir.arg(m_newDir));
    m_leftBehind.clear();
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), NewConnection);
        if (openConnection(db)) {
            // One transaction: fast, and a crash leaves the template untouched for the next try.
            db.transaction();
            addTablesTheTemplateLacks(db);
            bool aborted = false;
            for (const QString &table : tableNames(db, QStringLiteral("main"))) {
                if (migrateTable(db, table) == TableResult::Failed && m_prompt.confirm(upgradetext::AskAbort)) {
                    aborted = true;
                    break;
                }
                if (afterTable)
                    afterTable(table);
            }
            if (!aborted) {
                m_progress.setText(upgradetext::CarryingForms);
                carryUserPrintForms(db);
                noteTablesLeftBehind(db);
                ok = db.commit();
            } else {
                db.rollback();
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(NewConnection);
    return ok;
}

bool RecordMigration::openConnection(QSqlDatabase &db)
{
    // Opening a missing file would create an empty database: check first.
    db.setDatabaseName(m_newFile);
    if (!QFile::exists(m_newFile) || !db.open() || !QSqlQuery(db).exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
        m_prompt.error(upgradetext::ConnectionFailed.arg(NewConnection, m_newDir));
        return false;
    }
    QSqlQuery attach(db);
    attach.prepare(QStringLiteral("ATTACH DATABASE ? AS %1").arg(OldSchema));
    attach.addBindValue(m_oldFile);
    if (!QFile::exists(m_oldFile) || !attach.exec()
        || !QSqlQuery(db).exec(QStringLiteral("SELECT count(*) FROM %1.sqlite_master").arg(OldSchema))) {
        m_prompt.error(upgradetext::ConnectionFailed.arg(OldSchema, m_oldDir));
        return false;
    }
    return true;
}

RecordMigration::TableResult RecordMigration::migrateTable(QSqlDatabase &db, const QString &table)
{
    const std::optional<qint64> templateCount = countRecords(db, QStringLiteral("main"), table);
    const std::optional<QStringList> newFields = columnNames(db, QStringLiteral("main"), table);
    if (!templateCount || !newFields) {
        m_prompt.error(upgradetext::TableOpenFailed.arg(table));
        return TableResult::Failed;
    }
    if (*templateCount > 0 && !isAlwaysCopied(table))
        return TableResult::Done;
    const QString oldTable = findTable(db, OldSchema, table);
    if (oldTable.isEmpty())
        return TableResult::Done;
    const std::optional<QStringList> oldFields = columnNames(db, OldSchema, oldTable);
    const std::optional<qint64> oldCount = countRecords(db, OldSchema, oldTable);
    if (!oldFields || !oldCount) {
        m_prompt.error(upgradetext::TableOpenFailed.arg(table));
        return TableResult::Failed;
    }

    QStringList columns;
    QStringList sources;
    for (const QString &field : *newFields) {
        const QString source = sourceField(field, *oldFields);
        if (!source.isEmpty()) {
            columns << quoteIdentifier(field);
            sources << quoteIdentifier(source);
        }
    }
    if (columns.isEmpty())
        return TableResult::Done;

    showCount(table, 0);
    const bool emptied = QSqlQuery(db).exec(QStringLiteral("DELETE FROM main.%1").arg(quoteIdentifier(table)));
    if (!emptied || !copyRecords(db, table, oldTable, columns.join(u','), sources.join(u','))) {
        const qint64 copied = countRecords(db, QStringLiteral("main"), table).value_or(0);
        m_prompt.error(upgradetext::TableCopyFailed.arg(table).arg(emptied ? copied : 0).arg(*oldCount));
        return TableResult::Failed;
    }
    return TableResult::Done;
}

bool RecordMigration::copyRecords(QSqlDatabase &db, const QString &table, const QString &oldTable,
                                  const QString &columns, const QString &sources)
{
    const QString from = QStringLiteral("%1.%2").arg(OldSchema, quoteIdentifier(oldTable));
    const QString insert = QStringLiteral("INSERT INTO main.%1 (%2) SELECT %3 FROM %4 ")
                               .arg(quoteIdentifier(table), columns, sources, from);
    QSqlQuery batchEnd(db);
    batchEnd.prepare(QStringLiteral("SELECT rowid FROM %1 WHERE rowid > ? ORDER BY rowid LIMIT 1 OFFSET %2")
                         .arg(from)
                         .arg(BatchSize - 1));
    QSqlQuery batch(db);
    batch.prepare(insert + QStringLiteral("WHERE rowid > ? AND rowid <= ? ORDER BY rowid"));

    // In rowid order, which is the order of the primary key, in batches so the count moves.
    qint64 copied = 0;
    qint64 last = std::numeric_limits<qint64>::min();
    for (;;) {
        batchEnd.addBindValue(last);
        if (!batchEnd.exec())
            return false;
        const bool more = batchEnd.next();
        const qint64 end = more ? batchEnd.value(0).toLongLong() : std::numeric_limits<qint64>::max();
        batchEnd.finish();
        batch.addBindValue(last);
        batch.addBindValue(end);
        if (!batch.exec()) {
            copyUpToFaultyRecord(db, insert, from, last, end);
            return false;
        }
        copied += batch.numRowsAffected();
        showCount(table, copied);
        if (!more)
            return true;
        last = end;
    }
}

void RecordMigration::copyUpToFaultyRecord(QSqlDatabase &db, const QString &insert, const QString &from, qint64 last,
                                           qint64 end)
{
    // The failed batch left nothing behind; its records before the faulty one belong in the table.
    QSqlQuery single(db);
    single.prepare(insert + QStringLiteral("WHERE rowid = ?"));
    QSqlQuery rowids(db);
    rowids.prepare(QStringLiteral("SELECT rowid FROM %1 WHERE rowid > ? AND rowid <= ? ORDER BY rowid").arg(from));
    rowids.addBindValue(last);
    rowids.addBindValue(end);
    if (!rowids.exec())
        return;
    while (rowids.next()) {
        single.addBindValue(rowids.value(0));
        if (!single.exec())
            return;
    }
}

void RecordMigration::addTablesTheTemplateLacks(QSqlDatabase &db)
{
    // Tables the program creates on first use ("FtpDef") are not in the template, but their
    // records must come along like the others'.
    const QStringList newTables = tableNames(db, QStringLiteral("main"));
    for (const QString &table : tableNames(db, OldSchema)) {
        const std::optional<TableDef> def = isScratchTable(table) ? std::nullopt : tableDef(table);
        if (!def || containsName(newTables, def->name))
            continue;
        for (const QString &statement : createStatements(*def))
            QSqlQuery(db).exec(statement);
    }
}

void RecordMigration::carryUserPrintForms(QSqlDatabase &db)
{
    const QString oldTable = findTable(db, OldSchema, PrintFormTable);
    const QString newTable = findTable(db, QStringLiteral("main"), PrintFormTable);
    if (oldTable.isEmpty() || newTable.isEmpty())
        return;
    const QString target = QStringLiteral("main.") + quoteIdentifier(newTable);
    QSqlQuery forms(db);
    QSqlQuery exists(db);
    exists.prepare(QStringLiteral("SELECT 1 FROM %1 WHERE QF_ID = ?").arg(target));
    QSqlQuery update(db);
    update.prepare(QStringLiteral("UPDATE %1 SET Q_FormType = ?, Q_SelectGroup = 0, Q_FileName = ?, Q_Comment = ?, "
                                  "Q_Protect = 0 WHERE QF_ID = ?")
                       .arg(target));
    QSqlQuery append(db);
    append.prepare(QStringLiteral("INSERT INTO %1 (Q_FormType, Q_SelectGroup, Q_FileName, Q_Comment, Q_Protect, QF_ID) "
                                  "VALUES (?, 0, ?, ?, 0, ?)")
                       .arg(target));

    bool ok = forms.exec(QStringLiteral("SELECT QF_ID, Q_FileName, Q_Comment FROM %1.%2 "
                                        "WHERE coalesce(Q_Protect, 0) = 0 ORDER BY QF_ID")
                             .arg(OldSchema, quoteIdentifier(oldTable)));
    while (ok && forms.next()) {
        const qint64 number = forms.value(0).toLongLong();
        exists.addBindValue(number - number % 100);
        ok = exists.exec();
        if (!ok || !exists.next())
            continue; // the form type is gone with this version
        exists.finish();
        exists.addBindValue(number);
        ok = exists.exec();
        const bool known = ok && exists.next();
        exists.finish();
        QSqlQuery &write = known ? update : append;
        write.addBindValue(number - number % 100);
        write.addBindValue(forms.value(1));
        write.addBindValue(forms.value(2));
        write.addBindValue(number);
        ok = ok && write.exec();
    }
    if (!ok) {
        m_prompt.error(upgradetext::TableOpenFailed.arg(oldTable));
        m_leftBehind << oldTable;
    }
}

void RecordMigration::noteTablesLeftBehind(QSqlDatabase &db)
{
    const QStringList newTables = tableNames(db, QStringLiteral("main"));
    for (const QString &table : tableNames(db, OldSchema)) {
        if (containsName(newTables, table) || isScratchTable(table) || countRecords(db, OldSchema, table).value_or(1) == 0)
            continue;
        m_leftBehind << table;
        m_progress.setText(upgradetext::TableLeftBehind.arg(table, m_oldDir));
    }
}

void RecordMigration::showCount(const QString &table, qint64 copied)
{
    m_progress.setStatus((table + u':').leftJustified(20) + QString::number(copied));
}

} // namespace tekvora::db
