#include "OverviewDayInfo.h"

#include "WeightDataStore.h"

OverviewDayInfo::~OverviewDayInfo() {
    if (foodInfo_)
        foodInfo_->detachOverview(this);
    if (exerciseInfo_)
        exerciseInfo_->detachOverview(this);
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
    // The old day must not call back into an object that no longer holds it.
    if (foodInfo_)
        foodInfo_->detachOverview(this);
    foodInfo_ = std::move(info);
    if (foodInfo_)
        foodInfo_->setOverview(this);
    recalcFood(true);
}

void OverviewDayInfo::setExerciseInfo(ExerciseDayPtr info) {
    if (exerciseInfo_)
        exerciseInfo_->detachOverview(this);
    exerciseInfo_ = std::move(info);
    if (exerciseInfo_)
        exerciseInfo_->setOverview(this);
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

void OverviewDayInfo::recalcFood(bool) {
    float sum = 0.0f;
    if (foodInfo_) {
        for (const auto& meal : foodInfo_->items())
            for (const auto& entry : meal)
                sum += entry->resultCalories();
    }
    setConsumed(sum);
}

void OverviewDayInfo::recalcExercise(bool) {
    float sum = 0.0f;
    if (exerciseInfo_) {
        for (const auto& category : exerciseInfo_->items())
            for (const auto& entry : category)
                sum += entry->calories();
    }
    setBurned(sum);
}

void OverviewDayInfo::recalcWeight(bool) {
    if (weightInfo_)
        weightInfo_->recalculateAverageWeight();
}

void OverviewDayInfo::recalcNet() {
    const float net = consumed_ - burned_;
    netValue_ = QString::asprintf("%.0f", static_cast<double>(net));
    // Burning a fraction more than was eaten is still nothing left over, not "-0".
    if (netValue_ == QLatin1String("-0"))
        netValue_ = QStringLiteral("0");
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
