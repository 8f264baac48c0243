#pragma once

#include "core/backup/BackupSet.h"
#include "core/db/SqliteConnection.h"

// Writes a backup set of the user's diary files (common.db and weight.db beside the data, and
// the settings file) into a folder. The databases are copied with SQLite's online backup API,
// so a copy is whole even while the program writes to them. The set is built under a hidden
// temporary name and renamed when complete: a crash leaves at most a hidden folder that no
// list shows, and a later write removes it.
class BackupWriter {
public:
    // The new set; raises BackupFailure (nothing left behind) when it cannot be made.
    static BackupSet write(const QString& parentDir, BackupSet::Kind kind);
    // Whether there is anything of the user's to keep: a diary file or the settings file.
    static bool hasUserData();
    // Makes `target` a copy of the database at `source`, in one transaction, whoever else has
    // either open. The source is opened read-write by default, so that SQLite may first roll
    // back what a crashed writer left in its journal; nothing is written to it.
    static void copyDatabase(const QString& source, const QString& target,
                             SqliteConnection::Mode sourceMode = SqliteConnection::Mode::ReadWrite);
};
