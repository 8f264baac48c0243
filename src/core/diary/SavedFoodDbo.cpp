#include "core/diary/SavedFoodDbo.h"

#include "core/catalogue/FoodSimpleDbo.h"
#include "core/catalogue/NutritionInfoDbo.h"
#include "core/db/DBManager.h"
#include "core/diary/DiaryCatalogueCache.h"
#include "core/diary/FoodDayInfo.h"
#include "core/diary/RecentRows.h"
#include "core/text/ConvertUtil.h"

#include <cmath>
#include <stdexcept>

namespace {

const QString kInsertSql = QStringLiteral(
    "insert into saved_food (food_item_id, name, portions_count, result_weight, result_calories, "
    "food_type_id, date, result_points)  values (?, ?, ?, ?, ?, ?, ?, ?)");
const QString kUpdateSql = QStringLiteral(
    "update saved_food set food_item_id = ?, name = ?, portions_count = ?, result_weight = ?, "
    "result_calories = ?, food_type_id = ?, date = ?, result_points = ? where id = ?");
const QString kDeleteSql = QStringLiteral("delete from saved_food where id = ? ");

QString wholeText(float value) {
    return QString::asprintf("%.0f", double(value));
}

} // namespace

void SavedFoodDbo::setFoodItemId(int id) {
    foodItemId_ = id;
    if (const auto item = FoodSimpleDbo::getFoodItem(id))
        name_ = item->name;
    refreshTexts();
}

void SavedFoodDbo::setStored(const Stored& row) {
    setDboId(row.dboId);
    setDate(row.date);
    foodTypeId_ = row.foodTypeId;
    foodItemId_ = row.foodItemId;
    const DiaryCatalogueCache::Food& item = DiaryCatalogueCache::food(row.foodItemId);
    name_ = item.known ? item.name : row.name;
    portionCount_ = row.portionCount;
    resultWeight_ = std::round(row.resultWeight);
    resultCalories_ = std::round(row.resultCalories);
    resultPoints_ = row.resultPoints;
    refreshTexts();
}

void SavedFoodDbo::setPortionCount(float count) {
    portionCount_ = count;
    refreshTexts();
}

void SavedFoodDbo::setResultWeight(float weight) {
    resultWeight_ = std::round(weight);
}

void SavedFoodDbo::setResultCalories(float calories) {
    resultCalories_ = std::round(calories);
    refreshTexts();
}

void SavedFoodDbo::setResultPoints(float points) {
    resultPoints_ = points;
    refreshTexts();
}

// Every text follows from the stored fields, so all are worked out together: a caller that sets
// the fields in another order never sees a stale text.
const SavedFoodDbo& SavedFoodDbo::texts() const {
    if (textsStale_) {
        changePortionString();
        changeCalories();
        changeResultPointsString();
        textsStale_ = false;
    }
    return *this;
}

const std::optional<SavedFoodDbo::Serving>& SavedFoodDbo::serving() const {
    if (servingItemId_ != foodItemId_ || (!serving_ && foodItemId_ != 0)) {
        serving_.reset();
        servingItemId_ = foodItemId_;
        if (foodItemId_ != 0) {
            if (const auto info = NutritionInfoDbo::getInfoTo(foodItemId_))
                serving_ = Serving{info->calories, info->totalFat, info->fiber};
        }
    }
    return serving_;
}

void SavedFoodDbo::changePortionString() const {
    const auto& facts = hasPortions() ? serving() : std::optional<Serving>();
    if (!facts) {
        portionString_.clear();
        return;
    }
    portionString_ = QString::asprintf("%.2fx%.0f", double(portionCount_), double(facts->calories));
}

void SavedFoodDbo::changeCalories() const {
    if (foodItemId_ == 0 && resultCalories_ > 0) {
        caloriesString_ = wholeText(resultCalories_);
        caloriesDiff_.clear();
        return;
    }
    if (hasPortions() && resultCalories_ != 0.0f) {
        if (const auto& facts = serving()) {
            const float standard = std::round(facts->calories) * portionCount_;
            const float deviation = resultCalories_ - standard;
            caloriesString_ = wholeText(standard);
            caloriesDiff_.update(deviation, 1.0, 0);
            return;
        }
        // An item the catalogue has lost: show what was eaten.
        caloriesString_ = wholeText(resultCalories_);
        caloriesDiff_.clear();
        return;
    }
    caloriesString_ = QStringLiteral("0");
    caloriesDiff_.clear();
}

float SavedFoodDbo::standardPoints() const {
    if (!hasPortions() || !serving())
        return 0.0f;
    const Serving& facts = *serving_;
    // A change of calories counts as a change of portions. A serving without calories (water,
    // tea, spices) cannot scale that way: its portions are the portions themselves.
    float effective = portionCount_;
    if (facts.calories != 0.0f) {
        const float standardCalories = std::round(facts.calories) * portionCount_;
        effective = portionCount_ + (resultCalories_ - standardCalories) / facts.calories;
    }
    const float fromCalories = resultCalories_ / 50.0f;
    const float fromFat = facts.fat * effective / 12.0f;
    const float fromFiber = facts.fiber * effective / 5.0f;
    return fromCalories + fromFat - fromFiber;
}

void SavedFoodDbo::changeResultPointsString() const {
    if (foodItemId_ == 0 && resultPoints_ > 0) {
        pointsString_ = wholeText(resultPoints_);
        pointsDiff_.clear();
        return;
    }
    if (hasPortions() && serving()) {
        const float standard = standardPoints();
        const float deviation = resultPoints_ - standard;
        pointsString_ = QString::asprintf("%.2f", double(standard));
        pointsDiff_.update(deviation, 0.1, 2);
        return;
    }
    pointsString_ = QStringLiteral("0");
    pointsDiff_.clear();
}

void SavedFoodDbo::getKindImage() {
    kindImage_ = DiaryCatalogueCache::food(foodItemId_).icon;
}

QString SavedFoodDbo::boundName() const {
    if (foodItemId_ > 0) {
        if (const auto item = FoodSimpleDbo::getFoodItem(foodItemId_))
            return item->name;
    }
    return name_;
}

QStringList SavedFoodDbo::rowParams() const {
    return {ConvertUtil::int2str(foodItemId_),       boundName(),
            ConvertUtil::float3str(portionCount_),   ConvertUtil::float2str(resultWeight_),
            ConvertUtil::float2str(resultCalories_), ConvertUtil::float2str(float(foodTypeId_)),
            DBManager::dateAsString(date()),         ConvertUtil::float2str(resultPoints_)};
}

const DiaryEntry::Statements& SavedFoodDbo::statements() const {
    static const Statements sql{kInsertSql, kUpdateSql, kDeleteSql};
    return sql;
}

void SavedFoodDbo::checkStorable() const {
    DiaryEntry::checkStorable();
    if (foodTypeId_ < 0 || foodTypeId_ >= FoodDayInfo::kMealCount)
        throw std::invalid_argument("A food entry's meal must be 0 to 3.");
}

void SavedFoodDbo::placeInDay() {
    FoodDayInfo::addFood(self<SavedFoodDbo>());
}

void SavedFoodDbo::replaceInDay() {
    FoodDayInfo::updateFood(self<SavedFoodDbo>());
}

void SavedFoodDbo::dropFromDay() {
    FoodDayInfo::dropFood(self<SavedFoodDbo>());
}

void SavedFoodDbo::updateRecentFood() {
    const RecentRows recent(QStringLiteral("recent_food"), QStringLiteral("food_item_id"));
    // A full list loses its oldest row before the duplicate test, as the menus expect.
    recent.makeRoom();
    const bool listed =
        foodItemId_ != 0 ? recent.hasItem(foodItemId_) : recent.hasName(name_) && recent.hasItem(0);
    if (!listed)
        recent.insert(foodItemId_, name_, resultCalories_);
}
