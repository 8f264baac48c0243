#pragma once

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <algorithm>
#include <functional>
#include <memory>

// The days of a diary in ascending date order, with an index by calendar day beside it so that
// finding the day of a date costs a hash lookup, not a walk with calendar arithmetic.
// At most one day per calendar day: the models look a day up before they make one.
template <class Day> class DiaryDayList {
public:
    using DayPtr = std::shared_ptr<Day>;

    qsizetype size() const { return days_.size(); }
    bool isEmpty() const { return days_.isEmpty(); }
    const DayPtr& at(qsizetype i) const { return days_.at(i); }
    const DayPtr& first() const { return days_.first(); }
    const DayPtr& last() const { return days_.last(); }
    auto begin() const { return days_.cbegin(); }
    auto end() const { return days_.cend(); }
    const QList<DayPtr>& days() const { return days_; }

    // The day on the same local calendar day as the date, or none.
    DayPtr dayOn(const QDateTime& date) const {
        if (!date.isValid())
            return nullptr;
        return byDay_.value(calendarDay(date));
    }

    // Index of the first day not earlier than the date (the list's size when there is none).
    qsizetype lowerBound(const QDateTime& date) const {
        const auto it =
            std::lower_bound(days_.cbegin(), days_.cend(), date,
                             [](const DayPtr& day, const QDateTime& d) { return day->date() < d; });
        return it - days_.cbegin();
    }

    void insert(qsizetype index, DayPtr day) {
        byDay_.insert(calendarDay(day->date()), day);
        days_.insert(index, std::move(day));
    }
    void append(DayPtr day) { insert(days_.size(), std::move(day)); }
    // Inserts a day with its totals worked out.
    void insertDbo(qsizetype index, DayPtr day) {
        day->recalcTotal();
        insert(index, std::move(day));
    }

    // Drops the day; false when it is not in the list.
    bool remove(const Day* day) {
        for (qsizetype i = lowerBound(day->date()); i < days_.size(); ++i) {
            if (days_.at(i).get() != day)
                continue;
            const QDate key = calendarDay(day->date());
            if (byDay_.value(key).get() == day)
                byDay_.remove(key);
            days_.removeAt(i);
            return true;
        }
        return false;
    }

private:
    static QDate calendarDay(const QDateTime& date) { return date.toLocalTime().date(); }

    QList<DayPtr> days_;
    QHash<QDate, DayPtr> byDay_;
};

// Builds a day list from entries read in ascending day order: entries of one day share a day
// object, each goes first in its group, and an empty today (dated today at 08:00) is placed
// where it belongs when no entry falls on today.
template <class Day> class DiaryDayBuilder {
public:
    using DayPtr = std::shared_ptr<Day>;
    using MakeDay = std::function<DayPtr(const QDateTime&)>;

    DiaryDayBuilder(const QDateTime& today, MakeDay makeDay)
        : today_(today), makeDay_(std::move(makeDay)) {}

    // The entry's date is its day (local midnight); the group must be valid for the day.
    template <class EntryPtr> void add(EntryPtr entry, int group) {
        // The entries of one day carry the same moment, so their calendar days tell the days
        // apart, without a conversion from local time for every entry.
        const QDate day = entry->date().date();
        if (!current_ || day != currentDay_) {
            if (current_)
                appendDay(std::move(current_));
            if (!todayPlaced_) {
                if (day == today_.date()) {
                    todayPlaced_ = true;
                } else if (day > today_.date()) {
                    appendDay(makeDay_(today_));
                    todayPlaced_ = true;
                }
            }
            current_ = makeDay_(entry->date());
            currentDay_ = day;
        }
        current_->insertFirst(group, std::move(entry));
    }

    DiaryDayList<Day> finish() {
        if (current_)
            appendDay(std::move(current_));
        if (list_.isEmpty() || (!todayPlaced_ && today_ > list_.last()->date()))
            appendDay(makeDay_(today_));
        return std::move(list_);
    }

private:
    void appendDay(DayPtr day) { list_.insertDbo(list_.size(), std::move(day)); }

    QDateTime today_;
    MakeDay makeDay_;
    DayPtr current_;
    QDate currentDay_;
    bool todayPlaced_ = false;
    DiaryDayList<Day> list_;
};
