#pragma once

#include "core/base/QVColor.h"
#include "core/diary/DeviationText.h"
#include "core/diary/DiaryEntry.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class SavedFoodDbo;
using SavedFoodPtr = std::shared_ptr<SavedFoodDbo>;

// One food diary entry (a row of saved_food): portions of a catalogue item, or calories without
// one (a speedy entry, item 0), at one meal of one day. The texts the diary shows for it follow
// its stored fields; they are worked out when first asked for after a change, since a long
// diary's load makes tens of thousands of entries of which the screens show one day's. Make
// entries with std::make_shared (see DiaryEntry).
class SavedFoodDbo : public DiaryEntry {
public:
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

    // The stored fields of a row, as the day list reads them.
    struct Stored {
        int dboId = 0;
        QDateTime date;
        int foodTypeId = 0;
        QString name;
        int foodItemId = 0;
        float portionCount = 0.0f;
        float resultWeight = 0.0f;
        float resultCalories = 0.0f;
        float resultPoints = 0.0f;
    };
    // Sets every stored field as the setters would, in their order.
    void setStored(const Stored& row);

    // Derived display texts.
    const QString& portionString() const { return texts().portionString_; }
    const QString& caloriesString() const { return texts().caloriesString_; }
    const QString& caloriesDiffString() const { return texts().caloriesDiff_.text(); }
    const QVColor& caloriesDiffColor() const { return texts().caloriesDiff_.color(); }
    const QString& pointsString() const { return texts().pointsString_; }
    const QString& pointsDiffString() const { return texts().pointsDiff_.text(); }
    const QVColor& pointsDiffColor() const { return texts().pointsDiff_.color(); }

    // Adds the entry to recent_food (at most 30 rows; a listed food adds nothing).
    void updateRecentFood();
    // Looks up the icon of the item's food kind, else of its food type.
    void getKindImage();

    QStringList rowParams() const override;
    // Points worked out from the calories and the item's fat and fibre (0 without an item).
    float standardPoints() const;

protected:
    const Statements& statements() const override;
    // A meal outside 0..3 is refused as well.
    void checkStorable() const override;
    void recordRecent() override { updateRecentFood(); }
    void placeInDay() override;
    void replaceInDay() override;
    void dropFromDay() override;

private:
    struct Serving {
        float calories = 0.0f;
        float fat = 0.0f;
        float fiber = 0.0f;
    };

    // The texts no longer follow the fields; the next one asked for works them all out.
    void refreshTexts() { textsStale_ = true; }
    // The entry with its texts worked out.
    const SavedFoodDbo& texts() const;
    void changePortionString() const;
    void changeCalories() const;
    void changeResultPointsString() const;
    const std::optional<Serving>& serving() const;
    bool hasPortions() const { return foodItemId_ != 0 && portionCount_ != 0.0f; }
    QString boundName() const;

    int foodItemId_ = 0;
    float portionCount_ = 0.0f;
    float resultWeight_ = 0.0f;
    float resultCalories_ = 0.0f;
    float resultPoints_ = 0.0f;
    int foodTypeId_ = 0;

    mutable bool textsStale_ = true;
    mutable QString portionString_;
    mutable QString caloriesString_;
    mutable DeviationText caloriesDiff_;
    mutable QString pointsString_;
    mutable DeviationText pointsDiff_;

    // The item's serving, fetched once per item id.
    mutable std::optional<Serving> serving_;
    mutable int servingItemId_ = 0;
};
