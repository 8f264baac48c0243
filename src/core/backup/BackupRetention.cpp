#include "core/backup/BackupRetention.h"

#include <QHash>
#include <QSet>
#include <algorithm>

namespace {

// The Sunday that starts the date's week.
QDate weekOf(const QDateTime& created) {
    const QDate day = created.toLocalTime().date();
    return day.addDays(-(day.dayOfWeek() % 7));
}

} // namespace

QList<BackupSet> BackupRetention::apply(QList<BackupSet>& sets) {
    std::stable_sort(sets.begin(), sets.end(),
                     [](const BackupSet& a, const BackupSet& b) { return a.isNewerThan(b); });
    QList<BackupSet> kept;
    QList<BackupSet> removed;
    int daily = 0;
    QSet<QDate> weeks;
    QHash<int, int> others;
    for (BackupSet& set : sets) {
        bool keep = false;
        set.setWeekly(false);
        if (set.kind() != BackupSet::Kind::Daily) {
            keep = ++others[int(set.kind())] <= kOthers;
        } else if (daily < kDaily) {
            ++daily;
            keep = true;
        } else if (const QDate week = weekOf(set.created());
                   !weeks.contains(week) && weeks.size() < kWeekly) {
            weeks.insert(week);
            set.setWeekly(true);
            keep = true;
        }
        (keep ? kept : removed).append(set);
    }
    sets = kept;
    return removed;
}
