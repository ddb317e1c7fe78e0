#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QSqlRecord>
#include <QTest>

namespace tekvora::test {

/// A store in a temporary directory with the tables scan processing and posting touch.
class PostingStore
{
public:
    PostingStore()
    {
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName());
        db.setDatabaseName(dir.filePath(QStringLiteral("tekvora.sqlite")));
        db.open();
        for (const char *sql : {
                 "PRAGMA journal_mode = WAL",
                 "PRAGMA synchronous = NORMAL",
                 "CREATE TABLE Scanimp (SC_ID INTEGER PRIMARY KEY, SC_Seq INTEGER, SC_EntryType INTEGER,"
                 " SC_TourID INTEGER, SC_TourNr INTEGER, SC_ObjNr INTEGER, SC_ObjID INTEGER, SC_PersNr INTEGER,"
                 " SC_TaetigNr INTEGER, SC_TaetigID INTEGER, SC_JobID INTEGER, SC_TourType INTEGER,"
                 " SC_TourDate TEXT, SC_StartTime TEXT, SC_EndTime TEXT, SC_Dauer REAL, SC_CalcMode INTEGER,"
                 " SC_State INTEGER, SC_ScannerID INTEGER, SC_Ref INTEGER)",
                 "CREATE TABLE MdeObj (SC_ID INTEGER PRIMARY KEY, SC_Seq INTEGER, SC_EntryType INTEGER,"
                 " SC_TourID INTEGER, SC_TourNr INTEGER, SC_ObjNr INTEGER, SC_ObjID INTEGER, SC_ObjBez TEXT,"
                 " SC_TourDate TEXT, SC_StartTime TEXT, SC_EndTime TEXT, SC_Dauer REAL, SC_DauerPers REAL,"
                 " SC_DauerJob REAL, SC_CalcMode INTEGER, SC_State INTEGER, SC_ScannerID INTEGER, SC_Ref INTEGER)",
                 "CREATE TABLE MdePJ (SC_ID INTEGER PRIMARY KEY, SC_Seq INTEGER, SC_EntryType INTEGER,"
                 " SC_TourID INTEGER, SC_TourNr INTEGER, SC_ObjNr INTEGER, SC_ObjID INTEGER, SC_ObjBez TEXT,"
                 " SC_PersNr INTEGER, SC_Persname TEXT, SC_TaetigNr INTEGER, SC_TaetigID INTEGER,"
                 " SC_JobID INTEGER, SC_TaetigText TEXT, SC_TourDate TEXT, SC_StartPers TEXT, SC_EndPers TEXT,"
                 " SC_DauerPers REAL, SC_StartJob TEXT, SC_EndJob TEXT, SC_DauerJob REAL, SC_CalcMode INTEGER,"
                 " SC_State INTEGER, SC_ScannerID INTEGER, SC_Ref INTEGER)",
                 "CREATE TABLE Scandev (SV_ID INTEGER PRIMARY KEY, SV_Type INTEGER, SV_Name TEXT,"
                 " SV_ScannerID INTEGER NOT NULL, SV_Pers INTEGER, SV_ErhaltenAm TEXT, SV_Zuletztgelesen TEXT,"
                 " SV_LetzterScan TEXT, SV_Kommentar TEXT, SV_Bindung INTEGER)",
                 "CREATE TABLE Objekte (O_ID INTEGER PRIMARY KEY, O_Nr INTEGER, O_Match TEXT)",
                 "CREATE TABLE Personal (P_ID INTEGER PRIMARY KEY, P_Nr INTEGER, P_Match TEXT)",
                 "CREATE TABLE Taetig (T_ID INTEGER PRIMARY KEY, T_Nr INTEGER, T_Match TEXT)",
             })
            exec(QString::fromLatin1(sql));
    }
    ~PostingStore()
    {
        const QString name = db.connectionName();
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }

    void exec(const QString &sql)
    {
        QSqlQuery query(db);
        if (!query.exec(sql))
            qFatal("%s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
    }

    /// Rows of a query as "a|b|c" texts.
    QStringList rows(const QString &sql)
    {
        QSqlQuery query(db);
        if (!query.exec(sql))
            qFatal("%s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
        QStringList out;
        while (query.next()) {
            QStringList fields;
            for (int i = 0; i < query.record().count(); ++i)
                fields << query.value(i).toString();
            out << fields.join(QLatin1Char('|'));
        }
        return out;
    }

    QTemporaryDir dir;
    QSqlDatabase db;

private:
    static QString connectionName()
    {
        static int counter = 0;
        return QStringLiteral("posting-test-%1").arg(++counter);
    }
};

} // namespace tekvora::test
