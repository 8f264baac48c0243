#pragma once

#include "core/overview/OverviewDayInfo.h"

#include <QDateTime>
#include <QList>

// One Sunday-to-Saturday week as the list of its days that hold anything, and the search for
// all weeks that hold data. A week is a snapshot: the Overview rebuilds them when it appears.
class OverviewWeekInfo {
public:
    // An empty week dated now.
    OverviewWeekInfo();

    // The week of the date: dated its Sunday at the date's time of day, with its non-empty days.
    static OverviewWeekInfo getOverviewWeekForDate(const QDateTime& date);
    // Every week from the first to the last with data, oldest first, weeks without data left
    // out; empty when no table holds anything.
    static QList<OverviewWeekInfo> getOverviewWeeks();
    // The latest date of the three diaries (0 when all are empty) and the earliest (a table
    // without data counts as 30 days ahead), as seconds since 1970.
    static qint64 getLastFilledDay();
    static qint64 getFirstFilledDay();
    // The Sunday that starts the day's week.
    static QDate sundayOf(const QDate& day);

    const QDateTime& date() const { return date_; }
    void setDate(const QDateTime& date) { date_ = date; }
    const QList<OverviewDayPtr>& overviewdays() const { return overviewdays_; }
    void setOverviewdays(QList<OverviewDayPtr> days) { overviewdays_ = std::move(days); }

private:
    QDateTime date_;
    QList<OverviewDayPtr> overviewdays_;
};
