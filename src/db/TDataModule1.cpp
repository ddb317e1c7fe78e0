#include "db/TDataModule1.h"

#include "db/Database.h"
#include "db/SessionMarker.h"

namespace tekvora::db {

TDataModule1::TDataModule1(QObject *parent)
    : QObject(parent)
    , TabPersonal(new TableCursor(QStringLiteral("Personal.DB"), kConnectionName, this))
    , TabObjekt(new TableCursor(QStringLiteral("Objekte.DB"), kConnectionName, this))
    , TabTaetig(new TableCursor(QStringLiteral("Taetig.DB"), kConnectionName, this))
    , TabFirmen(new TableCursor(QStringLiteral("Firmen.DB"), kConnectionName, this))
    , TabAusfInterv(new TableCursor(QStringLiteral("AusfIV.DB"), kConnectionName, this))
    , TabBanken(new TableCursor(QStringLiteral("Banken.DB"), kConnectionName, this))
{
    TabPersonal->setObjectName(QStringLiteral("TabPersonal"));
    TabObjekt->setObjectName(QStringLiteral("TabObjekt"));
    TabTaetig->setObjectName(QStringLiteral("TabTaetig"));
    TabFirmen->setObjectName(QStringLiteral("TabFirmen"));
    TabAusfInterv->setObjectName(QStringLiteral("TabAusfInterv"));
    TabBanken->setObjectName(QStringLiteral("TabBanken"));
}

TDataModule1::~TDataModule1()
{
    closeDatabase(kConnectionName);
}

bool TDataModule1::create(const QString &dataDir, app::UserPrompt &prompt)
{
    m_dataDir = dataDir;
    if (!openMainDatabase(dataDir, prompt))
        return false;
    m_session = std::make_unique<SessionMarker>(dataDir);
    TabPersonal->setFilter(QStringLiteral("P_Aktiv='true'"));
    TabObjekt->setIndexName(QStringLiteral("O_INr"));
    TabObjekt->setMaximum(QStringLiteral("O_Nr"), 999999);
    TabTaetig->setIndexName(QStringLiteral("I_TNr"));
    return true;
}

void TDataModule1::closeAllCursors()
{
    for (TableCursor *cursor : TableCursor::openCursors(kConnectionName)) {
        m_closedCursors.append(cursor);
        cursor->close();
    }
}

void TDataModule1::reopenCursors()
{
    for (const QPointer<TableCursor> &cursor : std::as_const(m_closedCursors))
        if (cursor)
            cursor->open(); // a table that is gone stays closed
    m_closedCursors.clear();
}

void TDataModule1::closeAll()
{
    closeAllCursors();
    closeDatabase(kConnectionName);
}

bool TDataModule1::reopenAll(QString *error)
{
    const DbResult result = openDatabase(kConnectionName, m_dataDir);
    if (!result.ok) {
        if (error)
            *error = result.error;
        return false;
    }
    reopenCursors();
    return true;
}

int TDataModule1::connectedUsers() const
{
    return db::connectedUsers(m_dataDir);
}

} // namespace tekvora::db
