#pragma once

#include "DeviationText.h"
#include "QVColor.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class SavedFoodDbo;
using SavedFoodPtr = std::shared_ptr<SavedFoodDbo>;

// One food diary entry (a row of saved_food): portions of a catalogue item, or calories without
// one (a speedy entry, item 0), at one meal of one day. Setting a stored field refreshes the
// texts the diary shows for it. Entries live in the day models by shared pointer: make them with
// std::make_shared, since save() hands the entry itself to its day.
class SavedFoodDbo : public std::enable_shared_from_this<SavedFoodDbo> {
public:
    int dboId() const { return dboId_; }
    void setDboId(int id) { dboId_ = id; }
    const QDateTime& date() const { return date_; }
    void setDate(const QDateTime& date) { date_ = date; }
    int foodItemId() const { return foodItemId_; }
    // Takes the catalogue's name when the catalogue knows the item.
    void setFoodItemId(int id);
    float portionCount() const { return portionCount_; }
    void setPortionCount(float count);
    float resultWeight() const { return resultWeight_; }
    // Rounded to a whole number.
    void setResultWeight(float weight);
    float resultCalories() const { return resultCalories_; }
    // Rounded to a whole number.
    void setResultCalories(float calories);
    float resultPoints() const { return resultPoints_; }
    void setResultPoints(float points);
    int foodTypeId() const { return foodTypeId_; }
    void setFoodTypeId(int meal) { foodTypeId_ = meal; }
    const QString& name() const { return name_; }
    void setName(const QString& name) { name_ = name; }

    // Derived display texts.
    const QString& portionString() const { return portionString_; }
    const QString& caloriesString() const { return caloriesString_; }
    const QString& caloriesDiffString() const { return caloriesDiff_.text(); }
    const QVColor& caloriesDiffColor() const { return caloriesDiff_.color(); }
    const QString& pointsString() const { return pointsString_; }
    const QString& pointsDiffString() const { return pointsDiff_.text(); }
    const QVColor& pointsDiffColor() const { return pointsDiff_.color(); }
    // Image file name; empty for no image.
    const QString& kindImage() const { return kindImage_; }

    // Inserts a new entry (dboId 0) and records it among the recent foods; in every case puts
    // it into its day of the food list. An entry without a date or with a meal outside 0..3 is
    // refused (std::invalid_argument) before anything is written.
    void save();
    // Rewrites the row, then moves the entry within its day.
    void update();
    // Deletes the row; the day model removes the entry from memory.
    void remove();
    // Adds the entry to recent_food (at most 30 rows; a listed food adds nothing).
    void updateRecentFood();
    // Looks up the icon of the item's food kind, else of its food type.
    void getKindImage();

    // Parameter texts of the insert (and, with the row id appended, of the update).
    QStringList rowParams() const;
    // Points worked out from the calories and the item's fat and fibre (0 without an item).
    float standardPoints() const;

private:
    struct Serving {
        float calories = 0.0f;
        float fat = 0.0f;
        float fiber = 0.0f;
    };

    void refreshTexts();
    void changePortionString();
    void changeCalories();
    void changeResultPointsString();
    const std::optional<Serving>& serving();
    bool hasPortions() const { return foodItemId_ != 0 && portionCount_ != 0.0f; }
    void checkStorable() const;
    QString boundName() const;

    int dboId_ = 0;
    QDateTime date_;
    int foodItemId_ = 0;
    float portionCount_ = 0.0f;
    float resultWeight_ = 0.0f;
    float resultCalories_ = 0.0f;
    float resultPoints_ = 0.0f;
    int foodTypeId_ = 0;
    QString name_;

    QString portionString_;
    QString caloriesString_;
    DeviationText caloriesDiff_;
    QString pointsString_;
    DeviationText pointsDiff_;
    QString kindImage_;

    // The item's serving, fetched once per item id.
    std::optional<Serving> serving_;
    int servingItemId_ = 0;
};
