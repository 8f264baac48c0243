#include "core/diary/ExerciseDayInfo.h"

#include "core/catalogue/ExerciseDbo.h"
#include "core/diary/DiaryCatalogueCache.h"
#include "core/diary/DiaryLoader.h"

#include <algorithm>

namespace {

const QString kLoadSql =
    QStringLiteral("select id, date, name,  exercise_item_id, duration, burn_rate, calories  from "
                   "saved_exercise  order by substr(date, 1, 10) asc");

// The list of a category; category 1 (entries without a catalogue exercise) for a category the
// catalogue does not have, so such an entry is still shown and counted.
int groupOfCategory(int categoryId) {
    const int group = categoryId - 1;
    return group >= 0 && group < ExerciseDayInfo::categoryCount() ? group : 0;
}

std::pair<SavedExercisePtr, int> readExercise(sqlite3_stmt* stmt, const QDateTime& day) {
    const int itemId = DBManager::getIntCol(stmt, 3);
    auto exercise = std::make_shared<SavedExerciseDbo>();
    exercise->setStored(
        {DBManager::getIntCol(stmt, 0), day, DBManager::getTextCol(stmt, 2), itemId,
         DiaryCatalogueCache::exercise(itemId).categoryId, int(DBManager::getDoubleCol(stmt, 4)),
         float(DBManager::getDoubleCol(stmt, 5)), float(DBManager::getDoubleCol(stmt, 6))});
    exercise->getKindImage();
    const int group = ExerciseDayInfo::groupOf(*exercise);
    return {std::move(exercise), group};
}

} // namespace

ExerciseDayInfo::ExerciseDayInfo(const QDateTime& date) : DiaryDayModel(date, categoryCount()) {}

int ExerciseDayInfo::categoryCount() {
    // At least the list of category 1, which every speedy entry needs.
    return std::max(1, DiaryCatalogueCache::exerciseCategoryCount());
}

int ExerciseDayInfo::groupOf(const SavedExerciseDbo& entry) {
    return groupOfCategory(entry.exerciseCategoryId());
}

ExerciseDayList ExerciseDayInfo::getExerciseInfo() {
    return loadDiaryDays<ExerciseDayInfo>(kLoadSql, "saved_exercise",
                                          &ExerciseDayInfo::initNewExerciseDay, readExercise);
}

void ExerciseDayInfo::addExercise(const SavedExercisePtr& exercise) {
    placeDiaryEntry(exerciseList(), exercise, groupOf(*exercise),
                    &ExerciseDayInfo::initNewExerciseDay);
}

void ExerciseDayInfo::updateExercise(const SavedExercisePtr& exercise) {
    const ExerciseDayPtr day = exerciseList().dayOn(exercise->date());
    if (!day) {
        // The day went away while the entry was edited: put the entry back in a day of its own.
        addExercise(exercise);
        return;
    }
    const int group = groupOf(*exercise);
    const qsizetype row = day->indexOfId(group, exercise->dboId());
    if (row >= 0) {
        day->replaceAt(group, row, exercise);
    } else {
        day->removeEntryWithId(exercise->dboId());
        day->insertFirst(group, exercise);
    }
    day->recalcTotal();
}

void ExerciseDayInfo::dropExercise(const SavedExercisePtr& exercise) {
    forgetDiaryEntry(exerciseList(), exercise);
}

QString ExerciseDayInfo::nameForItemsAtIndex(int index) {
    const auto categories = ExerciseDbo::getCategories(true);
    if (!categories || index < 0 || index >= categories->size())
        return QString();
    return categories->at(index).name;
}

int ExerciseDayInfo::totalGroupOf(const SavedExerciseDbo& entry) const {
    // Counted where the catalogue puts the item, as the lists place it.
    return groupOfCategory(DiaryCatalogueCache::exercise(entry.exerciseItemId()).categoryId);
}

float ExerciseDayInfo::caloriesOf(const SavedExerciseDbo& entry) const {
    return entry.calories();
}
