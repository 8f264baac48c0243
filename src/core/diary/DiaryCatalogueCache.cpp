#include "core/diary/DiaryCatalogueCache.h"

#include "core/base/ProcessGlobal.h"
#include "core/catalogue/ExerciseDbo.h"
#include "core/catalogue/FoodSimpleDbo.h"
#include "core/db/DBManager.h"
#include "core/db/QVUtil.h"
#include "core/text/ConvertUtil.h"

#include <QHash>
#include <optional>

namespace {

const QString kKindIconSql = QStringLiteral(
    "select fk.icon from food_kinds fk, food_items fi where fk.id=kind_id and fi.id = ?");
const QString kTypeIconSql = QStringLiteral(
    "select ft.icon from food_types ft, food_items fi where ft.id=type_id and fi.id = ?");
const QString kExerciseIconSql =
    QStringLiteral("select ek.icon from exercise_categories ek, exercise_items et where ek.id = "
                   "et.exercise_category_id and et.id = ?");
const QString kSpeedyIconSql =
    QStringLiteral("select ek.icon from exercise_categories ek where ek.id = 1");

struct Lookups {
    QHash<int, DiaryCatalogueCache::Food> foods;
    QHash<int, DiaryCatalogueCache::Exercise> exercises;
    std::optional<int> categoryCount;
};

Lookups& lookups() {
    return ProcessGlobal<Lookups>::get();
}

// The first row's text, or none when the query gives no row.
std::optional<QString> firstText(DBManager& db, const QString& sql, const QStringList& params) {
    sqlite3_stmt* stmt = db.prepareStmt(sql, params);
    std::optional<QString> text;
    if (DBManager::nextStep(stmt))
        text = DBManager::getTextCol(stmt, 0);
    DBManager::reset(stmt);
    return text;
}

} // namespace

const DiaryCatalogueCache::Food& DiaryCatalogueCache::food(int foodItemId) {
    auto& foods = lookups().foods;
    const auto it = foods.constFind(foodItemId);
    if (it != foods.constEnd())
        return *it;
    Food facts;
    if (const auto item = FoodSimpleDbo::getFoodItem(foodItemId)) {
        facts.known = true;
        facts.name = item->name;
    }
    DBManager& db = QVUtil::foodDbc();
    const QStringList params{ConvertUtil::int2str(foodItemId)};
    std::optional<QString> icon = firstText(db, kKindIconSql, params);
    if (!icon)
        icon = firstText(db, kTypeIconSql, params);
    if (!icon)
        icon = foodItemId != 0 ? QStringLiteral("restaurant.png") : QStringLiteral("quick_add.png");
    facts.icon = *icon;
    return *foods.insert(foodItemId, facts);
}

const DiaryCatalogueCache::Exercise& DiaryCatalogueCache::exercise(int exerciseItemId) {
    auto& exercises = lookups().exercises;
    const auto it = exercises.constFind(exerciseItemId);
    if (it != exercises.constEnd())
        return *it;
    Exercise facts;
    DBManager& db = QVUtil::exerciseDbc();
    if (exerciseItemId != 0) {
        if (const auto item = ExerciseDbo::getExercise(exerciseItemId)) {
            facts.known = true;
            facts.name = item->name;
        }
        facts.categoryId = ExerciseDbo::getCategoryIdForExercise(exerciseItemId);
        facts.icon = firstText(db, kExerciseIconSql, {ConvertUtil::int2str(exerciseItemId)})
                         .value_or(QString());
    } else {
        facts.categoryId = 1;
        facts.icon = firstText(db, kSpeedyIconSql, {}).value_or(QString());
    }
    return *exercises.insert(exerciseItemId, facts);
}

int DiaryCatalogueCache::exerciseCategoryCount() {
    auto& count = lookups().categoryCount;
    if (!count)
        count = ExerciseDbo::getCategoriesCount();
    return *count;
}
