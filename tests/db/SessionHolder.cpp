// A second copy of the program for the session tests: attaches to the data directory, writes a bank,
// says "bereit" and holds on until its input closes.
#include "db/Database.h"
#include "db/SessionMarker.h"
#include "db/SqlHelpers.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString dataDir = app.arguments().value(1);
    if (!tekvora::db::openDatabase(tekvora::db::kConnectionName, dataDir).ok)
        return 1;
    tekvora::db::SessionMarker session(dataDir);
    if (!tekvora::db::execute("insert into Banken (BankName, BankBLZ) values ('Zweite Kopie', '1')").ok)
        return 2;
    QTextStream(stdout) << "bereit " << tekvora::db::connectedUsers(dataDir) << Qt::endl;
    char line[64];
    while (std::fgets(line, sizeof line, stdin)) {
        // Reads what the first copy wrote meanwhile.
        QTextStream(stdout) << tekvora::db::lookupInt("select count(*) as n from Banken", "n", -1) << Qt::endl;
    }
    return 0;
}
