#pragma once

#include "db/TableCursor.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <memory>

namespace tekvora::app {
class UserPrompt;
}

namespace tekvora::db {

class SessionMarker;

/// Owns the program's connection ("Vidizavid") and the shared cursors that several windows use as lookup
/// sources. The cursors start closed; whoever needs one opens it and closes it again.
class TDataModule1 : public QObject
{
    Q_OBJECT

public:
    explicit TDataModule1(QObject *parent = nullptr);
    ~TDataModule1() override;

    /// Opens the connection on the client's data directory; false after the alias message went to the
    /// prompt, and the program then ends.
    bool create(const QString &dataDir, app::UserPrompt &prompt);
    QString dataDir() const { return m_dataDir; }

    TableCursor *TabPersonal;   ///< "Personal", primary key, filter "P_Aktiv='true'"
    TableCursor *TabObjekt;     ///< "Objekte" by "O_INr"; O_Nr at most 999999
    TableCursor *TabTaetig;     ///< "Taetig" by "I_TNr"
    TableCursor *TabFirmen;     ///< "Firmen", primary key
    TableCursor *TabAusfInterv; ///< "AusfIV", primary key
    TableCursor *TabBanken;     ///< "Banken", order of entry

    /// Closes every cursor open on the connection and remembers them.
    void closeAllCursors();
    /// Opens the remembered cursors again, skipping any that fails.
    void reopenCursors();
    /// Closes the cursors and the connection itself, so that the data directory's files can be replaced.
    void closeAll();
    /// Opens the connection and the remembered cursors again; false with the store's message in error.
    bool reopenAll(QString *error = nullptr);

    /// The running copies attached to this data directory, this one included.
    int connectedUsers() const;

private:
    QString m_dataDir;
    QList<QPointer<TableCursor>> m_closedCursors;
    std::unique_ptr<SessionMarker> m_session;
};

} // namespace tekvora::db
