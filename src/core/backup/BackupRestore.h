#pragma once

#include "core/backup/BackupSet.h"

#include <optional>

// Puts a backup set back in place of the user's diary files and settings.
class BackupRestore {
public:
    struct Result {
        BackupSet restored;
        // The state before the restore, kept as a set of its own (none when there was none).
        std::optional<BackupSet> safety;
    };

    // A set that is incomplete or damaged is refused (BackupFailure) before anything changes.
    // Otherwise the current state is first kept as a "before restore" set, then each file of
    // the set takes the place of the user's one, and what the program had read from the old
    // files (open databases, day lists, settings) is dropped so that it reads them anew.
    static Result restore(const BackupSet& set);
    // The set a folder names: the folder itself when it is a set, else the newest set in it.
    static std::optional<BackupSet> find(const QString& dir);

private:
    static void putInPlace(const BackupSet& set);
    static void forgetLoaded();
};
