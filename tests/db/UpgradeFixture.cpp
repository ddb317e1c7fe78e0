#include "UpgradeFixture.h"

#include "db/Database.h"
#include "db/Schema.h"
#include "db/TemplateDatabase.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

namespace tekvora::test::upgradefixture {

namespace {

const QString Connection = QStringLiteral("UpgradeFixture");

template<typename Work>
void withStore(const QString &dataDir, Work work)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), Connection);
        db.setDatabaseName(db::databaseFilePath(dataDir));
        QVERIFY(db.open());
        work(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(Connection);
}

void run(QSqlDatabase &db, const QString &sql, const QVariantList &values = {})
{
    QSqlQuery query(db);
    QVERIFY2(query.prepare(sql), qPrintable(query.lastError().text() + u' ' + sql));
    for (const QVariant &value : values)
        query.addBindValue(value);
    QVERIFY2(query.exec(), qPrintable(query.lastError().text() + u' ' + sql));
}

db::TableDef oldStaffTable(bool withoutKey)
{
    db::TableDef def = *db::tableDef(QStringLiteral("Personal"));
    def.fields.removeIf([](const db::FieldDef &field) { return field.name == AddedStaffField; });
    def.fields.append({DroppedStaffField, db::FieldType::String, 30});
    if (withoutKey)
        def.indexes.removeIf([](const db::IndexDef &index) { return index.isPrimary(); });
    return def;
}

} // namespace

int userFormType()
{
    return db::builtInForms().first().formType;
}

int userFormId()
{
    return userFormType() + 50;
}

app::ClientDirs clientDirs(const QString &root)
{
    return app::ClientDirs(root, 1, QDir(root).filePath(QStringLiteral("settings")) + u'/');
}

void writeVersion125Client(const app::ClientDirs &dirs, int staff, bool duplicateStaffKey)
{
    const QString dataDir = dirs.dataDir();
    QVERIFY(QDir().mkpath(dataDir));
    withStore(dataDir, [&](QSqlDatabase &db) {
        db.transaction();
        for (const db::TableDef &table : db::schemaTables()) {
            const db::TableDef def = table.name == QLatin1String("Personal") ? oldStaffTable(duplicateStaffKey) : table;
            for (const QString &statement : db::createStatements(def))
                run(db, statement);
        }
        for (int i = 1; i <= staff; ++i) {
            const int id = duplicateStaffKey && i == 2 ? 1 : i;
            run(db,
                QStringLiteral("INSERT INTO Personal (P_ID, P_Nr, P_Name1, P_Vorname, P_Aktiv, P_Eintritt, P_Bruttolohn, %1) "
                               "VALUES (?, ?, ?, ?, 1, '2007-02-01', 1234.5, ?)")
                    .arg(DroppedStaffField),
                {id, 100 + i, QStringLiteral("Müller %1").arg(i), QStringLiteral("Anna"), QStringLiteral("alt %1").arg(i)});
        }
        run(db, QStringLiteral("INSERT INTO Firmen (F_ID, F_Mandant, F_NameIntern) VALUES (1, 1, 'Alte Firma')"));
        run(db, QStringLiteral("INSERT INTO AusfIV (AI_ID, AI_Text, AI_Wochen, A_Sort) VALUES (99, 'Alter Turnus', 9, 1)"));
        run(db, QStringLiteral("INSERT INTO FtpDef (Ftp_ID, Ftp_Description) VALUES (1, 'Server')"));
        run(db,
            QStringLiteral("INSERT INTO QrFrmDef (QF_ID, Q_FormType, Q_FileName, Q_Comment, Q_Protect, Q_SelectGroup) "
                           "VALUES (?, ?, ?, 'Eigenes Formular', 0, 7000)"),
            {userFormId(), userFormType(), db::formFileName(userFormId())});
        QVERIFY(db.commit());
    });
    writeTextFile(dirs.versionFile(), "125\r\n");
}

void fillTable(const QString &dataDir, const QString &table, int count)
{
    QStringList values;
    const db::TableDef def = *db::tableDef(table);
    for (const db::FieldDef &field : def.fields) {
        switch (field.type) {
        case db::FieldType::Int32:
        case db::FieldType::Int16:
            values << (field.name.endsWith(QLatin1String("_ID")) || field.name.endsWith(QLatin1String("_Nr"))
                           ? QStringLiteral("n")
                           : QStringLiteral("n % 100"));
            break;
        case db::FieldType::Float:
        case db::FieldType::Money:
            values << QStringLiteral("n * 0.25");
            break;
        case db::FieldType::Bool:
            values << QStringLiteral("n % 2");
            break;
        case db::FieldType::Date:
            values << QStringLiteral("'2026-01-15'");
            break;
        case db::FieldType::DateTime:
            values << QStringLiteral("'2026-01-15 08:30:00'");
            break;
        case db::FieldType::Time:
            values << QStringLiteral("'08:30:00'");
            break;
        case db::FieldType::Graphic:
            values << QStringLiteral("NULL");
            break;
        default:
            values << QStringLiteral("substr('%1 ' || n, 1, %2)").arg(field.name).arg(field.size > 0 ? field.size : 40);
        }
    }
    exec(dataDir, QStringLiteral("INSERT INTO %1 (%2) WITH RECURSIVE seq(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM seq "
                                 "WHERE n < %3) SELECT %4 FROM seq")
                      .arg(table, def.fieldNames().join(u','))
                      .arg(count)
                      .arg(values.join(u',')));
}

QVariantList column(const QString &dataDir, const QString &sql)
{
    QVariantList values;
    withStore(dataDir, [&](QSqlDatabase &db) {
        QSqlQuery query(db);
        QVERIFY2(query.exec(sql), qPrintable(query.lastError().text() + u' ' + sql));
        while (query.next())
            values << query.value(0);
    });
    return values;
}

void exec(const QString &dataDir, const QString &sql)
{
    withStore(dataDir, [&](QSqlDatabase &db) { run(db, sql); });
}

void writeTextFile(const QString &path, const QByteArray &content)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList filesBelow(const QString &dir)
{
    QStringList files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(dir).relativeFilePath(it.next());
    files.sort();
    return files;
}

} // namespace tekvora::test::upgradefixture
