#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

namespace tekvora::test {

/// A data directory with the tables the selection dialogs show, open as the program's connection.
class SelectionTables
{
public:
    SelectionTables()
    {
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("Vidizavid"));
        db.setDatabaseName(dir.filePath(QStringLiteral("tekvora.db")));
        QVERIFY(db.open());
        exec(QStringLiteral("CREATE TABLE Objekte (O_ID INTEGER PRIMARY KEY, O_Nr INTEGER, O_Match VARCHAR(40), "
                            "O_Name1 VARCHAR(40), O_Strasse VARCHAR(40), O_Plz VARCHAR(10), O_Ort VARCHAR(30), "
                            "O_Telefon VARCHAR(22), O_Vertragsbeginn DATE, O_Aktiv BOOLEAN)"));
        exec(QStringLiteral("CREATE UNIQUE INDEX O_INr ON Objekte (O_Nr)"));
        exec(QStringLiteral("CREATE TABLE Personal (P_ID INTEGER PRIMARY KEY, P_Nr INTEGER, P_Match VARCHAR(20), "
                            "P_Name1 VARCHAR(30), P_Vorname VARCHAR(30), P_Aktiv BOOLEAN)"));
        exec(QStringLiteral("CREATE TABLE Taetig (T_ID INTEGER PRIMARY KEY, T_Nr INTEGER, T_Match VARCHAR(40), "
                            "T_Gruppe VARCHAR(20))"));
        exec(QStringLiteral("CREATE TABLE AusfIV (AI_ID INTEGER PRIMARY KEY, AI_Text VARCHAR(30), AI_Wochen INTEGER, "
                            "A_Sort INTEGER)"));
        exec(QStringLiteral("CREATE TABLE QrFrmDef (QF_ID INTEGER PRIMARY KEY, Q_FormType INTEGER, "
                            "Q_FileName VARCHAR(20), Q_Comment VARCHAR(60), Q_Protect BOOLEAN, Q_SelectGroup INTEGER)"));
    }

    ~SelectionTables()
    {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("Vidizavid"));
    }

    void exec(const QString &sql, const QVariantList &values = {})
    {
        QSqlQuery query(db);
        QVERIFY2(query.prepare(sql), qPrintable(query.lastError().text()));
        for (const QVariant &v : values)
            query.addBindValue(v);
        QVERIFY2(query.exec(), qPrintable(query.lastError().text()));
    }

    void addSite(int nr, const QString &match, const QString &name = {}, const QString &ort = {})
    {
        exec(QStringLiteral("INSERT INTO Objekte (O_ID, O_Nr, O_Match, O_Name1, O_Ort) VALUES (?, ?, ?, ?, ?)"),
             {nr, nr, match.isNull() ? QVariant() : match, name, ort});
    }

    void addForm(int id, bool protect, int selectGroup, const QString &comment = {})
    {
        exec(QStringLiteral("INSERT INTO QrFrmDef VALUES (?, ?, ?, ?, ?, ?)"),
             {id, id / 100 * 100, QStringLiteral("ORM%1.QFD").arg(id, 5, 10, QLatin1Char('0')), comment,
              protect ? 1 : 0, selectGroup});
    }

    int selectGroup(int formId)
    {
        QSqlQuery query(db);
        query.prepare(QStringLiteral("SELECT Q_SelectGroup FROM QrFrmDef WHERE QF_ID = ?"));
        query.addBindValue(formId);
        return query.exec() && query.next() ? query.value(0).toInt() : -1;
    }

    QTemporaryDir dir;
    QSqlDatabase db;
};

} // namespace tekvora::test
