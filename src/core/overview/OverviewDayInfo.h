#pragma once

#include "core/base/RefresherDelegate.h"
#include "core/diary/ExerciseDayInfo.h"
#include "core/diary/FoodDayInfo.h"
#include "core/weight/WeighingDay.h"

#include <QDateTime>
#include <QString>
#include <memory>

class OverviewDayInfo;
using OverviewDayPtr = std::shared_ptr<OverviewDayInfo>;
using WeighingDayPtr = std::shared_ptr<WeighingDay>;

// One calendar day of all three diaries: the day's food and exercise models and weighings,
// the calories consumed and burned and the net value. It keeps its diary days alive and is
// their overview, so their changes recompute it; a diary day tells only the last overview that
// took it, and the link is cleared when this day lets go of it.
class OverviewDayInfo : public RefresherDelegate {
public:
    OverviewDayInfo() = default;
    ~OverviewDayInfo() override;
    OverviewDayInfo(const OverviewDayInfo&) = delete;
    OverviewDayInfo& operator=(const OverviewDayInfo&) = delete;

    // A complete day for the date's calendar day: exercise, weighings, then food.
    static OverviewDayPtr getOverviewForDate(const QDateTime& date);
    // The same with the day's weighings already read (the week search reads them in bulk).
    static OverviewDayPtr getOverviewForDate(const QDateTime& date, WeighingDayPtr weighings);

    const FoodDayPtr& foodInfo() const { return foodInfo_; }
    const ExerciseDayPtr& exerciseInfo() const { return exerciseInfo_; }
    const WeighingDayPtr& weightInfo() const { return weightInfo_; }
    float consumed() const { return consumed_; }
    float burned() const { return burned_; }
    // Eaten less burned in whole calories, "0" rather than "-0"; worked out when first asked
    // for after a change, as the Overview makes every day of the diary and shows a few.
    const QString& netValue() const;

    // Each lets go of the old object, takes the new one (and becomes its overview) and
    // recomputes what depends on it.
    void setFoodInfo(FoodDayPtr info);
    void setExerciseInfo(ExerciseDayPtr info);
    void setWeightInfo(WeighingDayPtr info);
    void setConsumed(float consumed);
    void setBurned(float burned);

    void recalcFood(bool all);
    void recalcExercise(bool all);
    void recalcWeight(bool all);
    // The net text no longer follows the figures; the next netValue() works it out.
    void recalcNet() { netStale_ = true; }
    void refreshData() override;

    // Nothing eaten, nothing done and no weighing on this day. A diary day without entries
    // (today's is always in the lists) counts as nothing.
    bool isEmpty() const;
    // The food day's date, else the exercise day's, else the start of the weighing day.
    QDateTime date() const;

private:
    FoodDayPtr foodInfo_;
    ExerciseDayPtr exerciseInfo_;
    WeighingDayPtr weightInfo_;
    float consumed_ = 0.0f;
    float burned_ = 0.0f;
    mutable QString netValue_ = QStringLiteral("0");
    mutable bool netStale_ = false;
};
