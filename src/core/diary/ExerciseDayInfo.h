#pragma once

#include "core/diary/DiaryDay.h"
#include "core/diary/DiaryDayList.h"
#include "core/diary/SavedExerciseDbo.h"

#include <QString>

class ExerciseDayInfo;
using ExerciseDayPtr = std::shared_ptr<ExerciseDayInfo>;
using ExerciseDayList = DiaryDayList<ExerciseDayInfo>;

// One day of the exercise diary: the entries per exercise category (position k - 1 holds
// category k), newest first within a category, with the calories burned per category
// (itemsTotal) and in all (total). The process-wide exercise list is read from the database
// once and then kept in step by the entries' save, update and remove.
class ExerciseDayInfo : public DiaryDay<SavedExerciseDbo> {
public:
    explicit ExerciseDayInfo(const QDateTime& date);

    // The exercise list, ascending by date, loaded on first use; always holds today once loaded.
    static ExerciseDayList& exerciseList();
    // Reads a new list from saved_exercise; rows whose date cannot be read are left out and
    // logged.
    static ExerciseDayList getExerciseInfo();
    // The day of the exercise list on the date's calendar day, or none.
    static ExerciseDayPtr getExerciseOn(const QDateTime& date);
    static ExerciseDayPtr initNewExerciseDay(const QDateTime& date);

    // Puts a saved entry first in its category on its day, making the day when needed.
    static void addExercise(const SavedExercisePtr& exercise);
    // Puts an edited entry in the place of the entry with its row id.
    static void updateExercise(const SavedExercisePtr& exercise);
    // Takes out an entry whose row is no longer stored.
    static void dropExercise(const SavedExercisePtr& exercise);
    static void addExerciseTo(ExerciseDayPtr day, ExerciseDayList& list);
    static void insertDbo(ExerciseDayPtr day, ExerciseDayList& list, qsizetype index);
    // Name of category index + 1; empty when the catalogue has no such category.
    static QString nameForItemsAtIndex(int index);
    // Number of category lists a day holds (the catalogue's category count).
    static int categoryCount();

    // Deletes the entry at (category list, position) from the database and the day, then drops
    // the day if it became empty and is not today. False, changing nothing, when there is no
    // such entry.
    bool removeExerciseAtIndexPath(int section, int row);
    // Leaves the exercise list when all categories are empty and the day is not today.
    void checkSelf();

    // The category list an entry belongs in: its category - 1, or the list of category 1 for
    // an entry whose item the catalogue no longer knows.
    static int groupOf(const SavedExerciseDbo& entry);

protected:
    int totalGroupOf(const SavedExerciseDbo& entry) const override;
    float caloriesOf(const SavedExerciseDbo& entry) const override;
};
