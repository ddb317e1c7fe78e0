#include "db/UpgradeJournal.h"

#include <QFile>
#include <QSaveFile>
#include <QTextStream>

namespace tekvora::db {

namespace {
const QString VersionKey = QStringLiteral("Version");
const QString NewClientKey = QStringLiteral("Neu");
const QString BackupKey = QStringLiteral("Sicherung");
const QString StageKey = QStringLiteral("Stand");
} // namespace

std::optional<UpgradeJournal> UpgradeJournal::read(const QString &file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    UpgradeJournal journal;
    bool haveVersion = false;
    bool haveStage = false;
    QTextStream stream(&in);
    while (!stream.atEnd()) {
        const QString line = stream.readLine();
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            continue;
        const QString key = line.left(equals);
        const QString value = line.mid(equals + 1);
        if (key == VersionKey) {
            journal.oldVersion = value.toInt(&haveVersion);
        } else if (key == NewClientKey) {
            journal.newClient = value == QLatin1String("1");
        } else if (key == BackupKey) {
            journal.backupDir = value;
        } else if (key == StageKey) {
            const int stage = value.toInt(&haveStage);
            haveStage = haveStage && (stage == int(Stage::BackingUp) || stage == int(Stage::BackedUp));
            journal.stage = Stage(stage);
        }
    }
    if (!haveVersion || !haveStage || journal.backupDir.isEmpty())
        return std::nullopt;
    return journal;
}

bool UpgradeJournal::write(const QString &file) const
{
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream stream(&out);
    stream << VersionKey << '=' << oldVersion << '\n'
           << NewClientKey << '=' << (newClient ? 1 : 0) << '\n'
           << BackupKey << '=' << backupDir << '\n'
           << StageKey << '=' << int(stage) << '\n';
    stream.flush();
    return stream.status() == QTextStream::Ok && out.commit();
}

bool UpgradeJournal::remove(const QString &file)
{
    return !QFile::exists(file) || QFile::remove(file);
}

} // namespace tekvora::db
