#pragma once

#include "app/ClientDirs.h"

#include <QString>
#include <QVariantMap>

namespace tekvora::test {

/// Builds client data directories of older versions from code, for the upgrade tests.
namespace upgradefixture {

/// A staff field version 126 added, and one it dropped.
inline const QString AddedStaffField = QStringLiteral("P_OptTourplan");
inline const QString DroppedStaffField = QStringLiteral("P_Altfeld");
/// The user's print form in the old data: a form of the built-in type of `userFormType()`.
int userFormType();
int userFormId();

/// The directory set of client 1 below `root`, settings in root + "settings/".
app::ClientDirs clientDirs(const QString &root);

/// Writes a version-125 data directory for client 1: every table of the schema, "Personal"
/// without the added field but with the dropped one, records in "Personal" (`staff` of them),
/// "Firmen", "AusfIV", "QrFrmDef" (a user form) and "FtpDef", and "Version.Dat" with 125.
/// `duplicateStaffKey` makes "Personal" lack its key and repeat the first record's P_ID, so
/// that copying it into the new table fails at the second record.
void writeVersion125Client(const app::ClientDirs &dirs, int staff = 3, bool duplicateStaffKey = false);

/// Appends `count` generated records to a table of the store of `dataDir`, with keys and numbers
/// from 1 on, in one statement.
void fillTable(const QString &dataDir, const QString &table, int count);

/// Runs `sql` on the store of `dataDir`; returns the first column of every row.
QVariantList column(const QString &dataDir, const QString &sql);
/// Runs a statement on the store of `dataDir`.
void exec(const QString &dataDir, const QString &sql);

void writeTextFile(const QString &path, const QByteArray &content);
QByteArray readFile(const QString &path);
/// Every file below `dir`, relative, sorted.
QStringList filesBelow(const QString &dir);

} // namespace upgradefixture
} // namespace tekvora::test
