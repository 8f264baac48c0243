#pragma once

#include "core/diary/DiaryDayModel.h"
#include "core/diary/SavedExerciseDbo.h"

#include <QString>

class ExerciseDayInfo;
using ExerciseDayPtr = std::shared_ptr<ExerciseDayInfo>;
using ExerciseDayList = DiaryDayList<ExerciseDayInfo>;

// One day of the exercise diary: the entries per exercise category (position k - 1 holds
// category k), newest first within a category, with the calories burned per category
// (itemsTotal) and in all (total). The process-wide exercise list is read from the database
// once and then kept in step by the entries' save, update and remove.
class ExerciseDayInfo : public DiaryDayModel<ExerciseDayInfo, SavedExerciseDbo> {
public:
    explicit ExerciseDayInfo(const QDateTime& date);

    // The exercise list, ascending by date, loaded on first use; always holds today once loaded.
    static ExerciseDayList& exerciseList() { return list(); }
    // Reads a new list from saved_exercise; rows whose date cannot be read are left out and
    // logged.
    static ExerciseDayList getExerciseInfo();
    // The day of the exercise list on the date's calendar day, or none.
    static ExerciseDayPtr getExerciseOn(const QDateTime& date) { return dayOn(date); }
    static ExerciseDayPtr initNewExerciseDay(const QDateTime& date) { return makeDay(date); }

    // Puts a saved entry first in its category on its day, making the day when needed.
    static void addExercise(const SavedExercisePtr& exercise);
    // Puts an edited entry in the place of the entry with its row id.
    static void updateExercise(const SavedExercisePtr& exercise);
    // Takes out an entry whose row is no longer stored.
    static void dropExercise(const SavedExercisePtr& exercise);
    static void addExerciseTo(ExerciseDayPtr day, ExerciseDayList& list) {
        append(std::move(day), list);
    }
    // Name of category index + 1; empty when the catalogue has no such category.
    static QString nameForItemsAtIndex(int index);
    // Number of category lists a day holds (the catalogue's category count).
    static int categoryCount();

    // Deletes the entry at (category list, position); see DiaryDayModel::removeAt.
    bool removeExerciseAtIndexPath(int section, int row) { return removeAt(section, row); }

    // The category list an entry belongs in: its category - 1, or the list of category 1 for
    // an entry whose item the catalogue no longer knows.
    static int groupOf(const SavedExerciseDbo& entry);

protected:
    friend DiaryDayModel;
    static ExerciseDayList load() { return getExerciseInfo(); }

    int totalGroupOf(const SavedExerciseDbo& entry) const override;
    float caloriesOf(const SavedExerciseDbo& entry) const override;
};
