#pragma once

#include "DeviationText.h"
#include "QVColor.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <memory>

class SavedExerciseDbo;
using SavedExercisePtr = std::shared_ptr<SavedExerciseDbo>;

// One exercise diary entry (a row of saved_exercise): a catalogue exercise done for a duration
// at a burn rate, or calories without one (a speedy entry, item 0, category 1). Setting a field
// refreshes the texts the diary shows for it. Entries live in the day models by shared pointer:
// make them with std::make_shared, since save() hands the entry itself to its day.
class SavedExerciseDbo : public std::enable_shared_from_this<SavedExerciseDbo> {
public:
    int dboId() const { return dboId_; }
    void setDboId(int id) { dboId_ = id; }
    const QDateTime& date() const { return date_; }
    void setDate(const QDateTime& date) { date_ = date; }
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
    const QString& name() const { return name_; }
    void setName(const QString& name) { name_ = name; }

    // Derived display texts.
    const QString& durationString() const { return durationString_; }
    const QString& caloriesString() const { return caloriesString_; }
    const QString& caloriesDiffString() const { return caloriesDiff_.text(); }
    const QVColor& caloriesDiffColor() const { return caloriesDiff_.color(); }
    // Image file name; empty for no image.
    const QString& kindImage() const { return kindImage_; }

    // Inserts a new entry (dboId 0) and records it among the recent exercises; in every case
    // puts it into its day of the exercise list. An entry without a date is refused
    // (std::invalid_argument) before anything is written.
    void save();
    // Rewrites the row, then puts the entry in its place within its day.
    void update();
    // Deletes the row; the day model removes the entry from memory.
    void remove();
    // Adds the entry to recent_exercise (at most 30 rows; a listed exercise adds nothing, every
    // speedy entry adds a row).
    void updateRecentExercise();
    // Looks up the icon of the entry's category.
    void getKindImage();

    // Parameter texts of the insert (and, with the row id appended, of the update).
    QStringList rowParams() const;
    // Calories the burn rate and duration give.
    float expectedCalories() const;

private:
    void refreshTexts();
    void checkStorable() const;

    int dboId_ = 0;
    QDateTime date_;
    int exerciseItemId_ = 0;
    float burnRate_ = 0.0f;
    int duration_ = 0;
    float calories_ = 0.0f;
    int exerciseCategoryId_ = 0;
    QString name_;

    QString durationString_;
    QString caloriesString_;
    DeviationText caloriesDiff_;
    QString kindImage_;
};
