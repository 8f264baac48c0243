#include "core/catalogue/NutritionInfoDbo.h"

#include "core/base/ProcessGlobal.h"
#include "core/db/DBManager.h"
#include "core/db/QVUtil.h"
#include "core/text/ConvertUtil.h"

#include <QHash>

namespace {

const QString kInfoSql = QStringLiteral(
    "select total_fat, cholesterol, sodium, protein, calcium, iron, serving_size_gms, calories, "
    "serving_size, carbohydrate_dietary_fiber, total_carbohydrate, food_points  from "
    "nutrition_values  where food_item_id = ? ");

struct NutritionCache {
    QHash<int, NutritionInfoDbo> records;
};

float floatCol(sqlite3_stmt* stmt, int colIdx) {
    return static_cast<float>(DBManager::getDoubleCol(stmt, colIdx));
}

} // namespace

std::optional<NutritionInfoDbo> NutritionInfoDbo::getInfoTo(int foodItemId) {
    auto& records = ProcessGlobal<NutritionCache>::get().records;
    if (auto hit = records.constFind(foodItemId); hit != records.cend())
        return hit.value();
    sqlite3_stmt* stmt =
        QVUtil::foodDbc().prepareStmt(kInfoSql, {ConvertUtil::int2str(foodItemId)});
    std::optional<NutritionInfoDbo> found;
    if (DBManager::nextStep(stmt)) {
        NutritionInfoDbo info;
        info.food_id = foodItemId;
        info.totalFat = floatCol(stmt, 0);
        info.cholesterol = floatCol(stmt, 1);
        info.sodium = floatCol(stmt, 2);
        info.protein = floatCol(stmt, 3);
        info.calcium = floatCol(stmt, 4);
        info.iron = floatCol(stmt, 5);
        info.servingSize = floatCol(stmt, 6);
        info.calories = floatCol(stmt, 7);
        info.serving = DBManager::getTextCol(stmt, 8);
        info.fiber = floatCol(stmt, 9);
        info.carb = floatCol(stmt, 10);
        info.points = floatCol(stmt, 11);
        found = info;
    }
    DBManager::reset(stmt);
    if (found)
        records.insert(foodItemId, *found);
    return found;
}
