#pragma once

#include <QFile>
#include <QString>

namespace tekvora::app {
class UserPrompt;
class ProgressSink;
} // namespace tekvora::app

namespace tekvora::backup {

/// How openBinFile / openTextFile open: an existing file, or a file created anew (truncated).
enum class OpenMode { Existing = 0, Create = 1 };

/// Results of openBinFile / openTextFile: 0, the refusal to lift a write protection, or else
/// the QFileDevice::FileError of the failed open.
inline constexpr int IoOk = 0;
inline constexpr int IoRefused = -1;

/// Creates the directory and all missing parents.
bool forceDirs(const QString &dir);

/// Write protection is a missing owner write permission (checked by bits, so it holds for root too).
bool isWriteProtected(const QString &path);

/// True when the file is missing or writable; a write-protected one is made writable after the
/// user agreed.
bool confirmWritable(app::UserPrompt &prompt, const QString &path);

/// Opens for reading and writing: an existing file, or a new one after confirmWritable.
int openBinFile(app::UserPrompt &prompt, QFile &file, const QString &path, OpenMode mode);
/// Opens an existing text file read-only, or creates one anew for writing.
int openTextFile(QFile &file, const QString &path, OpenMode mode);
/// True when no I/O error is pending, including the one of the close.
bool closeBinFile(QFile &file);
bool closeTextFile(QFile &file);

/// Removes a write protection, then deletes the file (a symbolic link itself, never its target).
bool deleteFileForced(const QString &path);

/// Copies in 32 KiB chunks, creating the target's directory, overwriting a write-protected target
/// and keeping the source's modification time. A file is never copied onto itself.
bool copyOneFile(const QString &source, const QString &target);

/// Copies a directory tree; the first failure is shown and stops the copy. Symbolic links are
/// not copied, and a target inside the source is refused.
bool copyTree(app::UserPrompt &prompt, const QString &source, const QString &target,
              app::ProgressSink *progress = nullptr);

/// Deletes a directory with everything in it; false without touching anything when the guard
/// refuses the path (see app::isDeletionRefused). Undeletable files are shown and skipped; the
/// result is whether the directory itself is gone.
bool deleteTree(app::UserPrompt &prompt, const QString &dir, app::ProgressSink *progress = nullptr);

/// Deletes every file below the directory and keeps the directories; same guard and messages.
/// True when the walk has run.
bool clearTree(app::UserPrompt &prompt, const QString &dir, app::ProgressSink *progress = nullptr);

/// Copies the files matching `mask` ("*.QFD", any case); the number copied, 0 on the first failure.
int copyFilesByMask(app::UserPrompt &prompt, const QString &sourceDir, const QString &targetDir, const QString &mask);

/// Number of files matching `mask` (any case) directly in the directory.
int countFiles(const QString &dir, const QString &mask);

/// Size in bytes; 0 when the file cannot be opened.
qint64 getFileSizeOf(const QString &path);

/// Silently deletes every file directly in the directory; subdirectories stay. Does nothing for a
/// path of 4 characters or fewer or one the guard refuses.
void deleteFilesIn(const QString &dir);

/// Checks a backup or export directory the user chose; `purpose` is "Zur Datensicherung" or
/// "Zum Datenexport". Asks before creating a missing one. The caller keeps `defaultPath` on false.
bool checkBackupDir(app::UserPrompt &prompt, const QString &path, const QString &purpose, const QString &defaultPath);

} // namespace tekvora::backup
