#include "core/overview/OverviewWeekInfo.h"

#include "core/base/Clock.h"
#include "core/db/DBManager.h"
#include "core/db/QVUtil.h"
#include "core/weight/WeightDataStore.h"

#include <algorithm>
#include <functional>
#include <sqlite3.h>

namespace {

constexpr qint64 kThirtyDays = 2592000;

// Steps the statement to its last row and resets it; `read` sees each row.
void stepAll(DBManager& db, const QString& sql, const std::function<void(sqlite3_stmt*)>& read,
             const QStringList& params = {}) {
    sqlite3_stmt* stmt = db.prepareStmt(sql, params);
    while (DBManager::nextStep(stmt))
        read(stmt);
    DBManager::reset(stmt);
}

// The stored diary date of the query's one column in seconds, or 0 when absent or unreadable.
qint64 diaryDate(DBManager& db, const QString& sql) {
    qint64 secs = 0;
    stepAll(db, sql, [&secs](sqlite3_stmt* stmt) {
        const QDateTime date = DBManager::getDateAsStrCol(stmt, 0);
        secs = date.isValid() ? date.toSecsSinceEpoch() : 0;
    });
    return secs;
}

qint64 weightDate(const QString& sql) {
    qint64 secs = 0;
    stepAll(QVUtil::weightDbc(), sql,
            [&secs](sqlite3_stmt* stmt) { secs = DBManager::getLongCol(stmt, 0); });
    return secs;
}

using WeighingsOf = std::function<WeighingDayPtr(const QDateTime&)>;

// A stored number as the day's text rows would read it: straight from SQLite where it holds a
// number, through its text otherwise (a value edited into the file by hand reads as before).
float storedFloat(sqlite3_stmt* stmt, int column) {
    const int type = sqlite3_column_type(stmt, column);
    return type == SQLITE_FLOAT || type == SQLITE_INTEGER
               ? static_cast<float>(DBManager::getDoubleCol(stmt, column))
               : DBManager::getTextCol(stmt, column).toFloat();
}

qint64 storedInteger(sqlite3_stmt* stmt, int column) {
    return sqlite3_column_type(stmt, column) == SQLITE_INTEGER
               ? DBManager::getLongCol(stmt, column)
               : DBManager::getTextCol(stmt, column).toLongLong();
}

// Every weighing of a span read with one query and handed out by local calendar day: the same
// days as one query a day would give, without thousands of statements for the whole diary.
class SpanWeighings {
public:
    // Days from `first` up to, not including, `end`.
    SpanWeighings(const QDate& first, const QDate& end) : first_(first) {
        // One local-time conversion a day: each day ends where the next one starts, so a
        // weighing's day is found among these bounds without converting its time.
        for (QDate day = first; day <= end; day = day.addDays(1))
            starts_.append(WeighingDay::dayStartOf(day));
        byDay_.resize(starts_.size() - 1);
        stepAll(QVUtil::weightDbc(),
                "select date, value, note, weight_s from weight where (date BETWEEN ? AND ?) "
                "ORDER BY date DESC",
                [this](sqlite3_stmt* stmt) {
                    const qint64 date = storedInteger(stmt, 0);
                    const auto next = std::upper_bound(starts_.cbegin(), starts_.cend(), date);
                    const qsizetype day = next - starts_.cbegin() - 1;
                    if (day < 0 || day >= byDay_.size())
                        return;
                    Weighing weighing(int(storedInteger(stmt, 3)), date, storedFloat(stmt, 1));
                    weighing.setNote(DBManager::getTextCol(stmt, 2));
                    byDay_[day].append(std::move(weighing));
                },
                {QString::number(starts_.first()), QString::number(starts_.last() - 1)});
    }

    WeighingDayPtr dayOf(const QDateTime& at) const {
        const QDate date = at.date();
        const qint64 i = first_.daysTo(date);
        if (i < 0 || i >= byDay_.size())
            return std::make_shared<WeighingDay>(WeighingDay::dayStartOf(date));
        auto day = std::make_shared<WeighingDay>(starts_.at(i), starts_.at(i + 1));
        for (const Weighing& weighing : byDay_.at(i))
            day->addWeighing(weighing);
        return day;
    }

private:
    QDate first_;
    QList<qint64> starts_;
    QList<QList<Weighing>> byDay_;
};

OverviewWeekInfo weekOf(const QDateTime& date, const WeighingsOf& weighingsOf) {
    OverviewWeekInfo week;
    const QDate sunday = OverviewWeekInfo::sundayOf(date.date());
    week.setDate(QDateTime(sunday, date.time()));
    QList<OverviewDayPtr> days;
    for (int d = 0; d < 7; ++d) {
        // Calendar days, not 86400-second steps: a clock change must not repeat or skip a day.
        const QDateTime at(sunday.addDays(d), date.time());
        OverviewDayPtr day = OverviewDayInfo::getOverviewForDate(at, weighingsOf(at));
        if (!day->isEmpty())
            days.append(std::move(day));
    }
    week.setOverviewdays(std::move(days));
    return week;
}

} // namespace

QDate OverviewWeekInfo::sundayOf(const QDate& day) {
    return day.addDays(-(day.dayOfWeek() % 7));
}

OverviewWeekInfo::OverviewWeekInfo() : date_(Clock::now()) {}

OverviewWeekInfo OverviewWeekInfo::getOverviewWeekForDate(const QDateTime& date) {
    return weekOf(date, [](const QDateTime& day) {
        return std::make_shared<WeighingDay>(WeightDataStore::loadWeightsForDate(day));
    });
}

qint64 OverviewWeekInfo::getLastFilledDay() {
    DBManager& common = QVUtil::commonDbc();
    const qint64 exercise = diaryDate(common, "select max(date) from saved_exercise ");
    const qint64 food = diaryDate(common, "select max(date) from saved_food ");
    const qint64 weight = weightDate("select max(date) from weight");
    return std::max({exercise, food, weight});
}

qint64 OverviewWeekInfo::getFirstFilledDay() {
    DBManager& common = QVUtil::commonDbc();
    const qint64 later = Clock::now().toSecsSinceEpoch() + kThirtyDays;
    const auto orLater = [later](qint64 secs) { return secs > 0 ? secs : later; };
    const qint64 exercise = orLater(diaryDate(common, "select min(date) from saved_exercise "));
    const qint64 food = orLater(diaryDate(common, "select min(date) from saved_food "));
    const qint64 weight = orLater(weightDate("select min(date) from weight"));
    return std::min({exercise, food, weight});
}

QList<OverviewWeekInfo> OverviewWeekInfo::getOverviewWeeks() {
    const QDateTime first = QDateTime::fromSecsSinceEpoch(getFirstFilledDay());
    const QDateTime last = QDateTime::fromSecsSinceEpoch(getLastFilledDay());
    const QDateTime end = last.addDays(7);
    QList<OverviewWeekInfo> weeks;
    if (end <= first)
        return weeks;
    const QDate endSunday = sundayOf(end.date());
    const SpanWeighings weighings(sundayOf(first.date()), endSunday);
    const WeighingsOf weighingsOf = [&weighings](const QDateTime& at) {
        return weighings.dayOf(at);
    };
    for (QDateTime cursor = first; sundayOf(cursor.date()) < endSunday;
         cursor = cursor.addDays(7)) {
        OverviewWeekInfo week = weekOf(cursor, weighingsOf);
        if (!week.overviewdays().isEmpty())
            weeks.append(std::move(week));
    }
    return weeks;
}
