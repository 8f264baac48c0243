#include "core/overview/OverviewDayInfo.h"

#include "core/weight/WeightDataStore.h"

#include <cstdio>
#include <cstring>

namespace {

// Moves the overview's link from the diary day it held to the new one: the old day must not
// call back into an object that no longer holds it.
template <class DayPtr> void relink(DayPtr& held, DayPtr day, RefresherDelegate* overview) {
    if (held)
        held->detachOverview(overview);
    held = std::move(day);
    if (held)
        held->setOverview(overview);
}

} // namespace

OverviewDayInfo::~OverviewDayInfo() {
    relink(foodInfo_, FoodDayPtr(), this);
    relink(exerciseInfo_, ExerciseDayPtr(), this);
}

OverviewDayPtr OverviewDayInfo::getOverviewForDate(const QDateTime& date) {
    return getOverviewForDate(
        date, std::make_shared<WeighingDay>(WeightDataStore::loadWeightsForDate(date)));
}

OverviewDayPtr OverviewDayInfo::getOverviewForDate(const QDateTime& date,
                                                   WeighingDayPtr weighings) {
    auto day = std::make_shared<OverviewDayInfo>();
    day->setExerciseInfo(ExerciseDayInfo::getExerciseOn(date));
    day->setWeightInfo(std::move(weighings));
    day->setFoodInfo(FoodDayInfo::getFoodOn(date));
    return day;
}

void OverviewDayInfo::setFoodInfo(FoodDayPtr info) {
    relink(foodInfo_, std::move(info), this);
    recalcFood(true);
}

void OverviewDayInfo::setExerciseInfo(ExerciseDayPtr info) {
    relink(exerciseInfo_, std::move(info), this);
    recalcExercise(true);
}

void OverviewDayInfo::setWeightInfo(WeighingDayPtr info) {
    weightInfo_ = std::move(info);
    recalcWeight(true);
}

void OverviewDayInfo::setConsumed(float consumed) {
    consumed_ = consumed;
    recalcNet();
}

void OverviewDayInfo::setBurned(float burned) {
    burned_ = burned;
    recalcNet();
}

// A diary day keeps the sum of its entries' calories, added group by group in list order and
// recomputed on every change, so it is the same float as summing the entries here, without
// walking thousands of entries when the Overview builds its weeks.
void OverviewDayInfo::recalcFood(bool) {
    setConsumed(foodInfo_ ? foodInfo_->total() : 0.0f);
}

void OverviewDayInfo::recalcExercise(bool) {
    setBurned(exerciseInfo_ ? exerciseInfo_->total() : 0.0f);
}

void OverviewDayInfo::recalcWeight(bool) {
    if (weightInfo_)
        weightInfo_->recalculateAverageWeight();
}

const QString& OverviewDayInfo::netValue() const {
    if (!netStale_)
        return netValue_;
    netStale_ = false;
    char text[64];
    std::snprintf(text, sizeof text, "%.0f", static_cast<double>(consumed_ - burned_));
    // Burning a fraction more than was eaten is still nothing left over, not "-0".
    netValue_ = std::strcmp(text, "-0") == 0 ? QStringLiteral("0") : QString::fromLatin1(text);
    return netValue_;
}

void OverviewDayInfo::refreshData() {
    recalcFood(true);
    recalcExercise(true);
    recalcWeight(true);
}

bool OverviewDayInfo::isEmpty() const {
    const bool food = foodInfo_ && foodInfo_->hasEntries();
    const bool exercise = exerciseInfo_ && exerciseInfo_->hasEntries();
    const bool weight = weightInfo_ && weightInfo_->getTotalWeighings() > 0;
    return !food && !exercise && !weight;
}

QDateTime OverviewDayInfo::date() const {
    if (foodInfo_)
        return foodInfo_->date();
    if (exerciseInfo_)
        return exerciseInfo_->date();
    if (weightInfo_)
        return QDateTime::fromSecsSinceEpoch(weightInfo_->daystarttime());
    return {};
}
