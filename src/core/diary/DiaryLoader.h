#pragma once

#include "core/base/Clock.h"
#include "core/dates/DateUtil.h"
#include "core/db/DBManager.h"
#include "core/db/QVUtil.h"
#include "core/diary/DiaryDayList.h"
#include "core/diary/DiaryRowDay.h"

#include <QDebug>

// Reads a diary table once into its day list. The statement's column 0 is the row id and
// column 1 the row's stored date text, the rows ordered by day;
// readEntry(stmt, day) builds the entry from the other columns and says which group it goes in.
// A row whose date cannot be read, or that belongs in no group, is left out of the list (it
// stays in the file) and logged.
template <class Day, class ReadEntry>
DiaryDayList<Day> loadDiaryDays(const QString& sql, const char* table,
                                typename DiaryDayBuilder<Day>::MakeDay makeDay,
                                ReadEntry readEntry) {
    DiaryDayBuilder<Day> builder(DateUtil::safeTrunc(Clock::now()), std::move(makeDay));
    DiaryRowDay rowDay;
    sqlite3_stmt* stmt = QVUtil::commonDbc().prepareStmt(sql);
    // Leave the shared statement reusable even when reading a row raises.
    struct ResetOnExit {
        sqlite3_stmt* stmt;
        ~ResetOnExit() { DBManager::reset(stmt); }
    } resetOnExit{stmt};
    while (DBManager::nextStep(stmt)) {
        const QDateTime day = rowDay.dayOf(DBManager::getUtf8Col(stmt, 1));
        if (!day.isValid()) {
            qWarning("Skipped %s row %d: its date cannot be read", table,
                     DBManager::getIntCol(stmt, 0));
            continue;
        }
        auto [entry, group] = readEntry(stmt, day);
        if (group < 0) {
            qWarning("Skipped %s row %d: it belongs to no section", table,
                     DBManager::getIntCol(stmt, 0));
            continue;
        }
        builder.add(std::move(entry), group);
    }
    return builder.finish();
}

// Takes an entry whose row is gone out of its day, and the day out of the list when that leaves
// it empty and it is not today.
template <class Day, class EntryPtr>
void forgetDiaryEntry(DiaryDayList<Day>& list, const EntryPtr& entry) {
    const std::shared_ptr<Day> day = list.dayOn(entry->date());
    if (!day || !day->removeEntryWithId(entry->dboId()))
        return;
    day->recalcTotal();
    if (day->isDroppable())
        list.remove(day.get());
}

// Puts an entry first in its group on its day, making the day when the list has none for that
// calendar day. A day that already holds an entry with the same row id loses that copy first,
// so saving an entry twice never counts it twice.
template <class Day, class EntryPtr>
void placeDiaryEntry(DiaryDayList<Day>& list, const EntryPtr& entry, int group,
                     const typename DiaryDayBuilder<Day>::MakeDay& makeDay) {
    if (std::shared_ptr<Day> day = list.dayOn(entry->date())) {
        day->removeEntryWithId(entry->dboId());
        day->insertFirst(group, entry);
        day->recalcTotal();
        return;
    }
    std::shared_ptr<Day> day = makeDay(entry->date());
    day->insertFirst(group, entry);
    list.insertDbo(list.lowerBound(entry->date()), std::move(day));
}
