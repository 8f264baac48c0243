#pragma once

#include "core/backup/BackupSet.h"

#include <QList>

// Which sets of the backups folder stay. Of the daily sets, the newest seven stay as daily
// sets; of the older ones, the newest of each Sunday-to-Saturday week stays as that week's set,
// for the eight newest weeks. Sets made for another reason (on request, before an upgrade,
// before a restore) stay, the newest eight of each reason. Everything else goes.
class BackupRetention {
public:
    static constexpr int kDaily = 7;
    static constexpr int kWeekly = 8;
    static constexpr int kOthers = 8;

    // Marks the weekly sets, returns the sets to remove and leaves the kept ones in `sets`
    // (newest first).
    static QList<BackupSet> apply(QList<BackupSet>& sets);
};
