#include "db/TemplateDatabase.h"

#include "db/Database.h"
#include "db/Schema.h"
#include "db/SqlQuote.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace tekvora::db {

namespace {

struct Interval
{
    int id;
    const char *text;
    int weeks;
    int sort;
};

// Weekly is key 1 because a new site activity starts with interval 1.
const Interval kIntervals[] = {
    {8, "einmalig", 0, 1},       {1, "wöchentlich", 1, 2},      {2, "14-tägig", 2, 3},
    {3, "alle 3 Wochen", 3, 4},  {4, "monatlich", 4, 5},        {5, "quartalsweise", 13, 6},
    {6, "halbjährlich", 26, 7},  {7, "jährlich", 52, 8},
};

DbResult insertTemplateRecords(QSqlDatabase db)
{
    QSqlQuery query(db);
    auto run = [&query]() -> DbResult {
        if (query.exec())
            return {};
        return DbResult::failure(query.lastError().text());
    };

    query.prepare(QStringLiteral("INSERT INTO Firmen (F_ID, F_Mandant, F_NameIntern, F_Name1, F_Name2, F_Name3, "
                                 "F_MinNrKunden, F_MinNrArtikel, F_MinNrTaetig, F_MinNrPersonal, F_MinNrObjekt, "
                                 "F_MinNrTour, F_MinNrKostart, F_MinNrProjekt, F_MinNrNotdienst, F_MinNrAdress) "
                                 "VALUES (1, 1, '', '', '', '', 1, 1, 1, 1, 1, 1, 1, 1, 1, 1)"));
    if (DbResult r = run(); !r.ok)
        return r;

    query.prepare(QStringLiteral("INSERT INTO AusfIV (AI_ID, AI_Text, AI_Wochen, A_Sort) VALUES (?, ?, ?, ?)"));
    for (const Interval &interval : kIntervals) {
        query.addBindValue(interval.id);
        query.addBindValue(QString::fromUtf8(interval.text));
        query.addBindValue(interval.weeks);
        query.addBindValue(interval.sort);
        if (DbResult r = run(); !r.ok)
            return r;
    }

    query.prepare(QStringLiteral("INSERT INTO QrFrmDef (QF_ID, Q_FormType, Q_FileName, Q_Comment, Q_Protect, "
                                 "Q_SelectGroup) VALUES (?, ?, ?, ?, 1, ?)"));
    for (const BuiltInForm &form : builtInForms()) {
        query.addBindValue(form.formType);
        query.addBindValue(form.formType);
        query.addBindValue(formFileName(form.formType));
        query.addBindValue(form.title);
        query.addBindValue(form.formType / 1000 * 1000);
        if (DbResult r = run(); !r.ok)
            return r;
    }
    return {};
}

} // namespace

const QList<BuiltInForm> &builtInForms()
{
    static const QList<BuiltInForm> forms{
        {15000, QStringLiteral("Objektliste")},
        {15300, QStringLiteral("Barcode-Labels Objekte")},
        {16000, QStringLiteral("Tätigkeiten zu Objekt")},
        {16100, QStringLiteral("Objekt-Planung gesamt")},
        {16200, QStringLiteral("Objekt-Tätigkeiten Prüfliste")},
        {16300, QStringLiteral("Barcode-Labels Objekt-Tätigkeiten")},
        {20000, QStringLiteral("Mitarbeiterliste")},
        {20100, QStringLiteral("Barcode-Labels Mitarbeiter")},
        {21000, QStringLiteral("Tätigkeitsliste")},
        {21100, QStringLiteral("Barcode-Labels Tätigkeiten")},
        {38000, QStringLiteral("Firmendaten")},
        {45000, QStringLiteral("Bankenliste")},
        {92000, QStringLiteral("Objektstatistik kumuliert")},
        {93000, QStringLiteral("Tätigkeitsstatistik")},
        {94000, QStringLiteral("Mitarbeiterstatistik")},
        {94100, QStringLiteral("Mitarbeiter-Zeiten")},
        {94200, QStringLiteral("Mitarbeiter-Tagesliste")},
        {95000, QStringLiteral("Objektstatistik nach Tätigkeiten")},
        {95100, QStringLiteral("Objektstatistik nach Mitarbeitern")},
    };
    return forms;
}

QString formFileName(int formId)
{
    return QStringLiteral("ORM%1.QFD").arg(formId, 5, 10, QLatin1Char('0'));
}

DbResult fillTemplateDatabase(QSqlDatabase db)
{
    if (!db.transaction())
        return DbResult::failure(db.lastError().text());
    DbResult result;
    QSqlQuery query(db);
    for (const TableDef &table : schemaTables()) {
        if (table.name == QLatin1String("FtpDef"))
            continue;
        for (const QString &statement : createStatements(table)) {
            if (!query.exec(statement)) {
                result = DbResult::failure(query.lastError().text());
                break;
            }
        }
        if (!result.ok)
            break;
    }
    query.finish();
    if (result.ok)
        result = insertTemplateRecords(db);
    if (result.ok && !db.commit())
        result = DbResult::failure(db.lastError().text());
    if (!result.ok)
        db.rollback();
    return result;
}

DbResult createTemplateDatabase(const QString &dir)
{
    const QString connection = QStringLiteral("Template-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    const DbResult result = createDatabase(connection, dir);
    closeDatabase(connection);
    return result;
}

} // namespace tekvora::db
