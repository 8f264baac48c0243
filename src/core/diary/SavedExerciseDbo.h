#pragma once

#include "core/base/QVColor.h"
#include "core/diary/DeviationText.h"
#include "core/diary/DiaryEntry.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <memory>

class SavedExerciseDbo;
using SavedExercisePtr = std::shared_ptr<SavedExerciseDbo>;

// One exercise diary entry (a row of saved_exercise): a catalogue exercise done for a duration
// at a burn rate, or calories without one (a speedy entry, item 0, category 1). The texts the
// diary shows for it follow its fields; they are worked out when first asked for after a
// change, as a long diary's load makes thousands of entries. Make entries with std::make_shared
// (see DiaryEntry).
class SavedExerciseDbo : public DiaryEntry {
public:
    int exerciseItemId() const { return exerciseItemId_; }
    // Takes the catalogue's name when the catalogue knows the item.
    void setExerciseItemId(int id);
    float burnRate() const { return burnRate_; }
    void setBurnRate(float rate);
    int duration() const { return duration_; }
    void setDuration(int minutes);
    float calories() const { return calories_; }
    // Rounded to a whole number, halves away from zero.
    void setCalories(float calories);
    int exerciseCategoryId() const { return exerciseCategoryId_; }
    void setExerciseCategoryId(int id) { exerciseCategoryId_ = id; }

    // The fields of a stored row, as the day list reads them.
    struct Stored {
        int dboId = 0;
        QDateTime date;
        QString name;
        int exerciseItemId = 0;
        int exerciseCategoryId = 0;
        int duration = 0;
        float burnRate = 0.0f;
        float calories = 0.0f;
    };
    // Sets every field as the setters would, in their order.
    void setStored(const Stored& row);

    // Derived display texts.
    const QString& durationString() const { return texts().durationString_; }
    const QString& caloriesString() const { return texts().caloriesString_; }
    const QString& caloriesDiffString() const { return texts().caloriesDiff_.text(); }
    const QVColor& caloriesDiffColor() const { return texts().caloriesDiff_.color(); }

    // Adds the entry to recent_exercise (at most 30 rows; a listed exercise adds nothing, every
    // speedy entry adds a row).
    void updateRecentExercise();
    // Looks up the icon of the entry's category.
    void getKindImage();

    QStringList rowParams() const override;
    // Calories the burn rate and duration give.
    float expectedCalories() const;

protected:
    const Statements& statements() const override;
    void recordRecent() override { updateRecentExercise(); }
    void placeInDay() override;
    void replaceInDay() override;
    void dropFromDay() override;

private:
    // The texts no longer follow the fields; the next one asked for works them all out.
    void refreshTexts() { textsStale_ = true; }
    // The entry with its texts worked out.
    const SavedExerciseDbo& texts() const;

    int exerciseItemId_ = 0;
    float burnRate_ = 0.0f;
    int duration_ = 0;
    float calories_ = 0.0f;
    int exerciseCategoryId_ = 0;

    mutable bool textsStale_ = true;
    mutable QString durationString_;
    mutable QString caloriesString_;
    mutable DeviationText caloriesDiff_;
};
