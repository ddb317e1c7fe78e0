#pragma once

#include <QDateTime>
#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace tekvora::test {

/// A statistics database as the store of client 1 below a temporary data root, with helpers to add
/// visits and person records.
class StatsFixture
{
public:
    StatsFixture()
    {
        static int counter = 0;
        m_name = QStringLiteral("stats-fixture-%1").arg(++counter);
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("Data0001")));
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(m_dir.filePath(QStringLiteral("Data0001/Tekvora.sqlite")));
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral(
            "CREATE TABLE MdeObj (SC_ID INTEGER PRIMARY KEY, SC_Seq INTEGER, SC_EntryType INTEGER, SC_TourID INTEGER, "
            "SC_TourNr INTEGER, SC_ObjNr INTEGER, SC_ObjID INTEGER, SC_ObjBez TEXT, SC_TourDate TEXT, SC_StartTime "
            "TEXT, SC_EndTime TEXT, SC_Dauer REAL, SC_DauerPers REAL, SC_DauerJob REAL, SC_CalcMode INTEGER, "
            "SC_State INTEGER, SC_ScannerID INTEGER, SC_Ref INTEGER)")));
        QVERIFY(q.exec(QStringLiteral(
            "CREATE TABLE MdePJ (SC_ID INTEGER PRIMARY KEY, SC_Seq INTEGER, SC_EntryType INTEGER, SC_TourID INTEGER, "
            "SC_TourNr INTEGER, SC_ObjNr INTEGER, SC_ObjID INTEGER, SC_ObjBez TEXT, SC_PersNr INTEGER, SC_Persname "
            "TEXT, SC_TaetigNr INTEGER, SC_TaetigID INTEGER, SC_JobID INTEGER, SC_TaetigText TEXT, SC_TourDate TEXT, "
            "SC_StartPers TEXT, SC_EndPers TEXT, SC_DauerPers REAL, SC_StartJob TEXT, SC_EndJob TEXT, SC_DauerJob "
            "REAL, SC_CalcMode INTEGER, SC_State INTEGER, SC_ScannerID INTEGER, SC_Ref INTEGER)")));
    }
    ~StatsFixture() { QSqlDatabase::removeDatabase(m_name); }

    QSqlDatabase db() const { return QSqlDatabase::database(m_name); }
    /// The data root whose client 1 holds this database.
    QString root() const { return m_dir.path(); }

    static QString stored(const QDateTime &t) { return t.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")); }
    static QDateTime at(const QString &text)
    {
        return QDateTime::fromString(text, QStringLiteral("dd.MM.yyyy hh:mm"));
    }

    /// A visit at site objNr from `start` ("dd.MM.yyyy hh:mm") for `hours`; returns its SC_ID.
    qint64 addVisit(const QString &start, double hours, int objNr = 1, const QString &objBez = QStringLiteral("Haus"),
                    double persHours = 0.0, double jobHours = 0.0)
    {
        const QDateTime begin = at(start);
        QSqlQuery q(db());
        q.prepare(QStringLiteral("INSERT INTO MdeObj (SC_ID, SC_Seq, SC_EntryType, SC_TourID, SC_TourNr, SC_ObjNr, "
                                 "SC_ObjID, SC_ObjBez, SC_TourDate, SC_StartTime, SC_EndTime, SC_Dauer, SC_DauerPers, "
                                 "SC_DauerJob, SC_CalcMode, SC_State, SC_ScannerID, SC_Ref) "
                                 "VALUES (?, 0, 0, 0, 0, ?, 0, ?, ?, ?, ?, ?, ?, ?, 0, 0, 0, 0)"));
        const qint64 id = ++m_lastVisit;
        for (const QVariant &v : {QVariant(id), QVariant(objNr), QVariant(objBez),
                                  QVariant(stored(begin.date().startOfDay())), QVariant(stored(begin)),
                                  QVariant(stored(begin.addSecs(qint64(hours * 3600)))), QVariant(hours),
                                  QVariant(persHours), QVariant(jobHours)})
            q.addBindValue(v);
        if (!q.exec())
            qFatal("addVisit failed");
        return id;
    }

    /// A person record of the visit `ref` starting at `start`.
    qint64 addPerson(qint64 ref, const QString &start, double persHours, double jobHours, int persNr = 7,
                     int objNr = 1, int taetigNr = 3)
    {
        const QDateTime begin = at(start);
        QSqlQuery q(db());
        q.prepare(QStringLiteral("INSERT INTO MdePJ (SC_ID, SC_Seq, SC_EntryType, SC_TourID, SC_TourNr, SC_ObjNr, "
                                 "SC_ObjID, SC_ObjBez, SC_PersNr, SC_Persname, SC_TaetigNr, SC_TaetigID, SC_JobID, "
                                 "SC_TaetigText, SC_TourDate, SC_StartPers, SC_EndPers, SC_DauerPers, SC_StartJob, "
                                 "SC_EndJob, SC_DauerJob, SC_CalcMode, SC_State, SC_ScannerID, SC_Ref) "
                                 "VALUES (?, 0, 0, 0, 0, ?, 0, 'Haus', ?, 'Müller', ?, 0, 0, 'Fenster putzen', ?, ?, "
                                 "?, ?, ?, ?, ?, 0, 0, 0, ?)"));
        const qint64 id = ++m_lastPerson;
        for (const QVariant &v :
             {QVariant(id), QVariant(objNr), QVariant(persNr), QVariant(taetigNr),
              QVariant(stored(begin.date().startOfDay())), QVariant(stored(begin)),
              QVariant(stored(begin.addSecs(qint64(persHours * 3600)))), QVariant(persHours), QVariant(stored(begin)),
              QVariant(stored(begin.addSecs(qint64(jobHours * 3600)))), QVariant(jobHours), QVariant(ref)})
            q.addBindValue(v);
        if (!q.exec())
            qFatal("addPerson failed");
        return id;
    }

    QVariant value(const QString &sql) const
    {
        QSqlQuery q(db());
        if (!q.exec(sql) || !q.next())
            return {};
        return q.value(0);
    }

private:
    QTemporaryDir m_dir;
    QString m_name;
    qint64 m_lastVisit = 0;
    qint64 m_lastPerson = 0;
};

} // namespace tekvora::test
