#pragma once

#include "core/base/ProcessGlobal.h"
#include "core/diary/DiaryDay.h"
#include "core/diary/DiaryDayList.h"

#include <QDateTime>
#include <memory>
#include <optional>

// What the food and exercise day models share beyond the day itself: the process-wide list of
// their days, read from the database on first use (Day::load) and kept in step afterwards, and
// the deletion of an entry that may leave a past day empty.
template <class Day, class Entry> class DiaryDayModel : public DiaryDay<Entry> {
public:
    using DayPtr = std::shared_ptr<Day>;
    using List = DiaryDayList<Day>;

    using DiaryDay<Entry>::DiaryDay;

    static void insertDbo(DayPtr day, List& list, qsizetype index) {
        list.insertDbo(index, std::move(day));
    }

    // Leaves the list when every group is empty and the day is not today.
    void checkSelf() {
        if (this->isDroppable())
            list().remove(static_cast<Day*>(this));
    }

    // The process-wide list of days, read on first use.
    static List& list() {
        auto& slot = ProcessGlobal<std::optional<List>>::get();
        if (!slot)
            slot = Day::load();
        return *slot;
    }
    static DayPtr dayOn(const QDateTime& date) { return list().dayOn(date); }

    // Deletes the entry from the database and the day, then drops the day if it became empty
    // and is not today. False, changing nothing, when there is no such entry.
    bool removeAt(int group, int row) {
        if (!this->deleteEntryAt(group, row))
            return false;
        checkSelf();
        return true;
    }

protected:
    static DayPtr makeDay(const QDateTime& date) { return std::make_shared<Day>(date); }
    static void append(DayPtr day, List& list) { list.insertDbo(list.size(), std::move(day)); }
};
