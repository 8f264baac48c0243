#pragma once

#include "core/base/Clock.h"
#include "core/base/RefresherDelegate.h"
#include "core/dates/DateUtil.h"
#include <QDateTime>

#include <QList>
#include <memory>

// One day of a diary: its entries in groups (meals or exercise categories), newest first within
// a group, with the calories per group and in all. FoodDayInfo and ExerciseDayInfo differ only
// in where an entry counts and what its calories are.
//
// The overview link is a plain back reference, not ownership: the overview day owns its diary
// days, so a day must not keep it alive. Whoever sets it clears it (detachOverview) before it
// goes away.
template <class Entry> class DiaryDay {
public:
    using EntryPtr = std::shared_ptr<Entry>;
    using Group = QList<EntryPtr>;

    DiaryDay(const QDateTime& date, int groupCount)
        : date_(date), items_(groupCount), itemsTotal_(groupCount, 0.0f) {}
    virtual ~DiaryDay() = default;
    DiaryDay(const DiaryDay&) = delete;
    DiaryDay& operator=(const DiaryDay&) = delete;

    const QDateTime& date() const { return date_; }
    const QList<Group>& items() const { return items_; }
    float total() const { return total_; }
    const QList<float>& itemsTotal() const { return itemsTotal_; }
    int groupCount() const { return int(items_.size()); }
    bool hasEntries() const {
        for (const Group& group : items_)
            if (!group.isEmpty())
                return true;
        return false;
    }

    RefresherDelegate* overview() const { return overview_; }
    // Replaces any earlier link: only the last overview that took the day hears of changes.
    void setOverview(RefresherDelegate* overview) { overview_ = overview; }
    // Clears the link if it is still the given overview's (called from its destructor).
    void detachOverview(const RefresherDelegate* overview) {
        if (overview_ == overview)
            overview_ = nullptr;
    }

    // Stores the groups (the count must match) and recomputes the totals.
    void setItems(QList<Group> items) {
        items_ = std::move(items);
        items_.resize(itemsTotal_.size());
        recalcTotal();
    }

    // Sums every entry into the total and into the sum of the group it counts in, then tells
    // the overview.
    void recalcTotal();

    // Row access for the models; groups and rows out of range are refused.
    bool validGroup(int group) const { return group >= 0 && group < groupCount(); }
    void insertFirst(int group, EntryPtr entry) { items_[group].prepend(std::move(entry)); }
    EntryPtr entryAt(int group, int row) const {
        if (!validGroup(group) || row < 0 || row >= items_[group].size())
            return nullptr;
        return items_[group].at(row);
    }
    void removeAt(int group, int row) { items_[group].removeAt(row); }
    // Position of the entry with this row id in a group, or -1.
    qsizetype indexOfId(int group, int dboId) const {
        const Group& list = items_[group];
        for (qsizetype i = 0; i < list.size(); ++i)
            if (list.at(i)->dboId() == dboId)
                return i;
        return -1;
    }
    void replaceAt(int group, qsizetype row, EntryPtr entry) {
        items_[group][row] = std::move(entry);
    }
    // Deletes the entry from the database, then from its group, and recomputes the totals.
    // False, changing nothing, when there is no such entry.
    bool deleteEntryAt(int group, int row) {
        const EntryPtr entry = entryAt(group, row);
        if (!entry)
            return false;
        entry->remove();
        removeAt(group, row);
        recalcTotal();
        return true;
    }
    // An empty day leaves its list unless it is today.
    bool isDroppable() const {
        return !hasEntries() && !DateUtil::dateIsOneDayWith(date_, Clock::now());
    }
    // Takes the entry with this row id out of whichever group holds it; false when none does.
    bool removeEntryWithId(int dboId) {
        for (int group = 0; group < groupCount(); ++group) {
            const qsizetype row = indexOfId(group, dboId);
            if (row >= 0) {
                items_[group].removeAt(row);
                return true;
            }
        }
        return false;
    }

protected:
    // The group whose sum the entry adds to; -1 when it counts in none.
    virtual int totalGroupOf(const Entry& entry) const = 0;
    virtual float caloriesOf(const Entry& entry) const = 0;

private:
    void notifyOverview();

    QDateTime date_;
    QList<Group> items_;
    float total_ = 0.0f;
    QList<float> itemsTotal_;
    RefresherDelegate* overview_ = nullptr;
};

template <class Entry> void DiaryDay<Entry>::recalcTotal() {
    float total = 0.0f;
    QList<float> sums(itemsTotal_.size(), 0.0f);
    for (const Group& group : items_) {
        for (const EntryPtr& entry : group) {
            const float calories = caloriesOf(*entry);
            total += calories;
            const int at = totalGroupOf(*entry);
            if (at >= 0 && at < sums.size())
                sums[at] += calories;
        }
    }
    total_ = total;
    itemsTotal_ = std::move(sums);
    notifyOverview();
}

template <class Entry> void DiaryDay<Entry>::notifyOverview() {
    if (overview_)
        overview_->refreshData();
}
