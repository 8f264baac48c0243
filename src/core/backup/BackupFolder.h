#pragma once

#include "core/backup/BackupSet.h"

#include <QList>
#include <optional>

// The backups folder beside the user's data, and when sets are made in it: once a calendar day
// at start-up, on request, and before the first upgrade of a diary file in a run. After each new
// set the folder is pruned (BackupRetention).
class BackupFolder {
public:
    static QString path();
    // Every set in the folder, newest first, the weekly ones marked.
    static QList<BackupSet> sets();

    // A set made on request; raises BackupFailure.
    static BackupSet backUpNow();
    // The day's set, unless there already is one for today's date by the program's clock.
    // Raises BackupFailure.
    static std::optional<BackupSet> dailyIfDue();
    // Before a diary file is upgraded: one set a run, however many files are upgraded. A
    // failure is only logged: the upgrade keeps a copy of the file it replaces either way.
    static void beforeUpgrade();
    // A set of the state before a restore, or none when there is nothing of the user's yet.
    // The folder is left unpruned until the restore is done.
    static std::optional<BackupSet> beforeRestore();
    // Removes the sets past keeping (BackupRetention).
    static void prune();

private:
    static BackupSet add(BackupSet::Kind kind);
};
