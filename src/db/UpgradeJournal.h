#pragma once

#include <QString>

#include <optional>

namespace tekvora::db {

/// The record of a running upgrade, kept beside the data directory. A start after a crash reads
/// it to learn whether the backup copy is complete, so that it repeats the upgrade from there
/// instead of mistaking a half-built data directory for a current or a new one.
struct UpgradeJournal
{
    enum class Stage {
        BackingUp = 1, ///< the backup copy is being made; the data directory is untouched
        BackedUp = 2,  ///< the backup copy is complete; the data directory may be in any state
    };

    int oldVersion = 0;
    bool newClient = false;
    QString backupDir;
    Stage stage = Stage::BackingUp;

    /// The journal in `file`, or nothing when there is none or it cannot be read.
    static std::optional<UpgradeJournal> read(const QString &file);
    /// Replaces `file` in one step, so a crash leaves the old or the new journal, never half.
    bool write(const QString &file) const;
    static bool remove(const QString &file);
};

} // namespace tekvora::db
