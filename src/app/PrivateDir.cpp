#include "app/PrivateDir.h"

#include <QDir>
#include <QLockFile>

namespace tekvora::app {

namespace {

constexpr int kMaxPrivateDirs = 9999;

// What an ended copy left behind goes; links are removed, never followed.
void emptyExceptLock(const QString &dir)
{
    const QFileInfoList entries =
        QDir(dir).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        if (entry.fileName() == PrivateDir::lockFileName())
            continue;
        if (entry.isDir() && !entry.isSymLink())
            QDir(entry.absoluteFilePath()).removeRecursively();
        else
            QFile::remove(entry.absoluteFilePath());
    }
}

} // namespace

PrivateDir::PrivateDir() = default;

PrivateDir::~PrivateDir() = default;

QString PrivateDir::lockFileName()
{
    return QStringLiteral("Tekvora.lck");
}

bool PrivateDir::acquire(const QString &privatesDir)
{
    if (isHeld())
        return true;
    for (int n = 1; n <= kMaxPrivateDirs; ++n) {
        const QString dir = QDir(privatesDir).filePath(QStringLiteral("Priv%1").arg(n, 4, 10, QLatin1Char('0')));
        if (!QDir().mkpath(dir))
            continue;
        auto lock = std::make_unique<QLockFile>(dir + QLatin1Char('/') + lockFileName());
        // Only a dead owner makes a lock stale, never its age: a copy may run for weeks.
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0))
            continue;
        emptyExceptLock(dir);
        m_lock = std::move(lock);
        m_path = dir + QLatin1Char('/');
        return true;
    }
    return false;
}

void PrivateDir::release()
{
    m_lock.reset();
    m_path.clear();
}

} // namespace tekvora::app
