#pragma once

#include <QString>

// File operations whose result survives a crash or a power cut: what they wrote is on disk
// before they return, and a replacement is one rename, so a reader sees the old file or the
// new one and never a mixture. Failures raise DBException with the given name and the file
// system's description.
class DurableFile {
public:
    // Copies the file, makes the copy writable by its owner and flushes it to disk.
    static void copy(const QString& from, const QString& to, const QString& failureName);
    // Flushes a file's content to disk.
    static void sync(const QString& path, const QString& failureName);
    // Puts `from` in the place of `to` in one step and makes the rename itself durable.
    static void replace(const QString& from, const QString& to, const QString& failureName);
    // Removes the file and the journal files SQLite may have left beside it; a file that is not
    // there is fine.
    static void removeWithJournals(const QString& path);
    // The name a new version of `path` is built under before it replaces it.
    static QString tempPath(const QString& path);
    // A name beside `path` that no file has yet: path.<stamp>.bak, then path.<stamp>-2.bak...
    static QString freeBackupName(const QString& path);
};
