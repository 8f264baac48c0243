#pragma once

#include "core/db/UserDataMigration.h"

#include <QString>
#include <functional>

// Brings a user's diary file to a new shipped version without a moment where the file is
// half-made: the shipped file is copied beside the diary under a temporary name, the user's rows
// are carried into it and it is flushed to disk; a copy of the old file is kept as a backup;
// only then does one rename put the new file in place. Stopped at any point (a crash, a kill,
// a full disk), the user's file is either the old one, whole, or the new one, whole; a temporary
// file left behind is removed by the next attempt.
class DiaryUpgrade {
public:
    struct Result {
        QString backupPath;
        UserDataMigration::Report report;
    };

    // Raises DBException when a step fails; the user's file is then untouched.
    static Result run(const QString& shipped, const QString& path);

    // The points at which an upgrade can be stopped: 1 before the shipped copy is made, 2 before
    // the rows are carried, 3 before the flush, 4 before the backup, 5 before the rename, 6 after
    // it (the caller has not stored the new version yet).
    static constexpr int kStepCount = 6;
    // Test seam: called with each step's number as it begins; a hook that throws stops the
    // upgrade there with no clean-up, as a crash would.
    static void setStepHook(std::function<void(int)> hook);
};
