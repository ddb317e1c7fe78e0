#include "db/UpgradeFiles.h"

#include "app/UserPrompt.h"
#include "db/Database.h"
#include "backup/FileUtilsTexts.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>

#include <filesystem>
#include <system_error>

namespace tekvora::db {

namespace {

bool holdsFiles(const QString &dir)
{
    QDirIterator it(dir, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    return it.hasNext();
}

QString withoutSlash(QString dir)
{
    while (dir.size() > 1 && dir.endsWith(u'/'))
        dir.chop(1);
    return dir;
}

} // namespace

QStringList databaseFilesIn(const QString &dir)
{
    const QString file = databaseFilePath(dir);
    return {file, file + QStringLiteral("-wal"), file + QStringLiteral("-shm"), file + QStringLiteral("-journal"),
            QDir(dir).filePath(QStringLiteral("Version.Dat"))};
}

bool removeDatabaseFiles(app::UserPrompt &prompt, const QString &dir)
{
    bool allGone = true;
    for (const QString &file : databaseFilesIn(dir)) {
        std::error_code error;
        std::filesystem::remove(std::filesystem::path(file.toStdString()), error);
        if (error) {
            prompt.error(backup::texts::fileNotDeleted(file, error.value()));
            allGone = false;
        }
    }
    return allGone;
}

bool holdsDatabase(const QString &dir)
{
    const QString file = databaseFilePath(dir);
    if (!QFileInfo(file).isFile())
        return false;
    const QString connection = QStringLiteral("ClientCheck");
    bool holds = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        db.setDatabaseName(file);
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type='table'")) && query.next())
                holds = query.value(0).toInt() > 0;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return holds;
}

bool copyMissingFiles(const QString &sourceDir, const QString &targetDir)
{
    const QDir source(sourceDir);
    if (!QDir().mkpath(targetDir))
        return false;
    QDirIterator it(sourceDir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = QDir(targetDir).filePath(source.relativeFilePath(file));
        if (QFileInfo::exists(target))
            continue;
        if (!QDir().mkpath(QFileInfo(target).absolutePath()) || !QFile::copy(file, target))
            return false;
    }
    return true;
}

bool moveAsideIfUsed(const QString &dir)
{
    if (!QFileInfo::exists(dir) || !holdsFiles(dir))
        return true;
    const QString base = withoutSlash(dir);
    for (int n = 1;; ++n) {
        const QString aside = base + u'.' + QString::number(n);
        if (!QFileInfo::exists(aside))
            return QDir().rename(base, aside);
    }
}

} // namespace tekvora::db
