#include "platform/SingleInstanceLock.h"

#include <QDir>
#include <QLockFile>

namespace tekvora::platform {

namespace {
// "/" cannot stand in a file name; a version text never needs it.
QString fileNameFor(const QString &name)
{
    QString fileName = name;
    fileName.replace(QLatin1Char('/'), QLatin1Char('_'));
    return fileName + QStringLiteral(".lck");
}
} // namespace

SingleInstanceLock::SingleInstanceLock(const QString &directory, const QString &name)
    : m_lock(std::make_unique<QLockFile>(QDir(directory).filePath(fileNameFor(name))))
{
    m_lock->setStaleLockTime(0);
}

SingleInstanceLock::~SingleInstanceLock() = default;

bool SingleInstanceLock::tryAcquire()
{
    if (m_lock->isLocked())
        return true;
    QDir().mkpath(QFileInfo(m_lock->fileName()).absolutePath());
    return m_lock->tryLock(0);
}

void SingleInstanceLock::release()
{
    m_lock->unlock();
}

bool SingleInstanceLock::isHeld() const
{
    return m_lock->isLocked();
}

QString SingleInstanceLock::lockFilePath() const
{
    return m_lock->fileName();
}

} // namespace tekvora::platform
