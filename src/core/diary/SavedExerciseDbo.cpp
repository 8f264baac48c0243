#include "core/diary/SavedExerciseDbo.h"

#include "core/db/DBManager.h"
#include "core/diary/DiaryCatalogueCache.h"
#include "core/diary/ExerciseDayInfo.h"
#include "core/diary/RecentRows.h"
#include "core/text/ConvertUtil.h"

#include <cmath>

namespace {

const QString kInsertSql =
    QStringLiteral("insert into saved_exercise (exercise_item_id, name, duration, burn_rate, "
                   "calories, date)  values (?, ?, ?, ?, ?, ?)");
const QString kUpdateSql =
    QStringLiteral("update saved_exercise set exercise_item_id = ?, name = ?, duration = ?, "
                   "burn_rate = ?, calories = ?, date = ? where id = ?");
const QString kDeleteSql = QStringLiteral("delete from saved_exercise where id = ? ");

QString durationText(int itemId, int minutes) {
    if (itemId == 0 || minutes == 0)
        return QString();
    if (minutes < 60)
        return QString::asprintf("%d min", minutes);
    const int hours = minutes / 60;
    const int rest = minutes % 60;
    return rest != 0 ? QString::asprintf("%d h %d min", hours, rest)
                     : QString::asprintf("%d h", hours);
}

} // namespace

void SavedExerciseDbo::setExerciseItemId(int id) {
    exerciseItemId_ = id;
    const DiaryCatalogueCache::Exercise& item = DiaryCatalogueCache::exercise(id);
    if (item.known)
        name_ = item.name;
    refreshTexts();
}

void SavedExerciseDbo::setStored(const Stored& row) {
    setDboId(row.dboId);
    setDate(row.date);
    name_ = row.name;
    exerciseItemId_ = row.exerciseItemId;
    const DiaryCatalogueCache::Exercise& item = DiaryCatalogueCache::exercise(row.exerciseItemId);
    if (item.known)
        name_ = item.name;
    exerciseCategoryId_ = row.exerciseCategoryId;
    duration_ = row.duration;
    burnRate_ = row.burnRate;
    calories_ = std::round(row.calories);
    refreshTexts();
}

void SavedExerciseDbo::setBurnRate(float rate) {
    burnRate_ = rate;
    refreshTexts();
}

void SavedExerciseDbo::setDuration(int minutes) {
    duration_ = minutes;
    refreshTexts();
}

void SavedExerciseDbo::setCalories(float calories) {
    calories_ = std::round(calories);
    refreshTexts();
}

float SavedExerciseDbo::expectedCalories() const {
    const float perMinute = burnRate_ / 60.0f;
    return perMinute * float(duration_);
}

// Every text follows from the fields, so all are worked out together: a caller that sets the
// fields in another order never sees a stale text.
const SavedExerciseDbo& SavedExerciseDbo::texts() const {
    if (!textsStale_)
        return *this;
    textsStale_ = false;
    durationString_ = durationText(exerciseItemId_, duration_);
    if (exerciseItemId_ == 0 && calories_ > 0) {
        caloriesString_ = QString::asprintf("%.0f", double(calories_));
        caloriesDiff_.clear();
    } else if (exerciseItemId_ != 0 && duration_ != 0 && calories_ != 0.0f) {
        const float expected = expectedCalories();
        caloriesString_ = QString::asprintf("%.0f", double(expected));
        caloriesDiff_.update(std::round(calories_ - expected), 1.0, 0);
    } else {
        caloriesString_.clear();
        caloriesDiff_.clear();
    }
    return *this;
}

void SavedExerciseDbo::getKindImage() {
    kindImage_ = DiaryCatalogueCache::exercise(exerciseItemId_).icon;
}

QStringList SavedExerciseDbo::rowParams() const {
    QString name = name_;
    if (exerciseItemId_ > 0) {
        const DiaryCatalogueCache::Exercise& item = DiaryCatalogueCache::exercise(exerciseItemId_);
        if (item.known)
            name = item.name;
    }
    return {ConvertUtil::int2str(exerciseItemId_),    name,
            ConvertUtil::float2str(float(duration_)), ConvertUtil::float2str(burnRate_),
            ConvertUtil::float2str(calories_),        DBManager::dateAsString(date())};
}

const DiaryEntry::Statements& SavedExerciseDbo::statements() const {
    static const Statements sql{kInsertSql, kUpdateSql, kDeleteSql};
    return sql;
}

void SavedExerciseDbo::placeInDay() {
    ExerciseDayInfo::addExercise(self<SavedExerciseDbo>());
}

void SavedExerciseDbo::replaceInDay() {
    ExerciseDayInfo::updateExercise(self<SavedExerciseDbo>());
}

void SavedExerciseDbo::dropFromDay() {
    ExerciseDayInfo::dropExercise(self<SavedExerciseDbo>());
}

void SavedExerciseDbo::updateRecentExercise() {
    const RecentRows recent(QStringLiteral("recent_exercise"), QStringLiteral("exercise_item_id"));
    // A full list loses its oldest row before the duplicate test, as the menus expect.
    recent.makeRoom();
    // A catalogue exercise is listed once; every speedy entry adds a row.
    if (exerciseItemId_ != 0 && recent.hasItem(exerciseItemId_))
        return;
    recent.insert(exerciseItemId_, name_, calories_);
}
