#include "db/SessionMarker.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QUuid>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace tekvora::db {

namespace {

const QString kPrefix = QStringLiteral(".tekvora-session-");
const QString kSuffix = QStringLiteral(".lock");

} // namespace

SessionMarker::SessionMarker(const QString &dataDir)
{
    const QDir dir(dataDir);
    const QString unique = QString::number(QCoreApplication::applicationPid()) + u'-'
                         + QUuid::createUuid().toString(QUuid::Id128).left(12);
    // Locked under a name the counter ignores, then renamed: it never sees an unlocked fresh mark.
    const QString temporary = dir.filePath(QStringLiteral(".tekvora-new-") + unique);
    m_path = dir.filePath(kPrefix + unique + kSuffix);
    const QByteArray native = QFile::encodeName(temporary);
    m_fd = ::open(native.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (m_fd < 0)
        return;
    if (::flock(m_fd, LOCK_EX | LOCK_NB) != 0 || ::rename(native.constData(), QFile::encodeName(m_path)) != 0) {
        ::close(m_fd);
        ::unlink(native.constData());
        m_fd = -1;
    }
}

SessionMarker::~SessionMarker()
{
    if (m_fd < 0)
        return;
    ::unlink(QFile::encodeName(m_path).constData());
    ::close(m_fd);
}

int connectedUsers(const QString &dataDir)
{
    const QDir dir(dataDir);
    int count = 0;
    const QStringList marks = dir.entryList({kPrefix + u'*' + kSuffix}, QDir::Files | QDir::Hidden);
    for (const QString &name : marks) {
        const QByteArray path = QFile::encodeName(dir.filePath(name));
        const int fd = ::open(path.constData(), O_RDWR | O_CLOEXEC);
        if (fd < 0)
            continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(path.constData()); // its copy has ended
        else
            ++count;
        ::close(fd);
    }
    return count;
}

} // namespace tekvora::db
