#include "core/catalogue/FoodSimpleDbo.h"

#include "core/base/ProcessGlobal.h"
#include "core/catalogue/SearchText.h"
#include "core/db/DBManager.h"
#include "core/db/QVUtil.h"
#include "core/diary/RecentRows.h"
#include "core/text/ConvertUtil.h"

#include <QHash>
#include <QSet>

namespace {

const QString kItems = QStringLiteral("items");
const QString kAlphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");

const QString kTypesSql = QStringLiteral("select id, name, desc, icon from food_types order by id");
const QString kKindsSql = QStringLiteral("select id, name, desc, icon from food_kinds order by id");
const QString kRestaurantsSql =
    QStringLiteral("select r.id, r.name, 0 from restaurants r order by r.name");
const QString kByTypeSql = QStringLiteral(
    "select fi.id, fi.name, nv.serving_size  from food_items fi,\t  nutrition_values nv  "
    "where fi.type_id = ? and fi.id = nv.food_item_id order by fi.name");
const QString kByKindSql = QStringLiteral(
    "select fi.id, fi.name, nv.serving_size  from food_items fi,\t  nutrition_values nv  "
    "where fi.kind_id = ? and fi.id = nv.food_item_id order by fi.name");
const QString kByRestaurantSql = QStringLiteral(
    "select fi.id, fi.name, nv.serving_size  from food_items fi,\t  nutrition_values nv  "
    "where fi.restaurant_id = ? and fi.id = nv.food_item_id order by fi.name");
const QString kSearchSql = QStringLiteral(
    "select fi.id, fi.name, nv.serving_size  from food_items fi,\t  nutrition_values nv "
    "where fi.id = nv.food_item_id and fi.id in (select id from food_items fi2 where %1 "
    "fi2.l_name like ? escape '\\') order by fi.name");
// The same rows with their search names, for the items that hold every typed word.
const QString kWordSearchSql = QStringLiteral(
    "select fi.id, fi.name, nv.serving_size, fi.l_name from food_items fi, nutrition_values nv "
    "where fi.id = nv.food_item_id and fi.id in (select id from food_items fi2 where %1 "
    "fi2.l_name like ? escape '\\') order by fi.name");
const QString kItemSql = QStringLiteral("select name from food_items where id=? ");
// The row id travels as a fourth column so that one remembered entry can be deleted alone.
const QString kRecentSql = QStringLiteral(
    "select rf.food_item_id, rf.name, rf.calories, rf.id from recent_food rf order by rf.name");
const QString kDeleteRecentSql = QStringLiteral("delete from recent_food where food_item_id = ? ");
const QString kDeleteRecentRowSql = QStringLiteral("delete from recent_food where id = ? ");

// Never invalidated while the process lives: the catalogue is read only.
struct FoodCatalogueCache {
    std::optional<QList<FoodSimpleDbo>> types;
    std::optional<QList<FoodSimpleDbo>> kinds;
    QHash<int, FoodSimpleDbo> items;
};

FoodCatalogueCache& cache() {
    return ProcessGlobal<FoodCatalogueCache>::get();
}

const QList<FoodSimpleDbo>& loadIconRows(std::optional<QList<FoodSimpleDbo>>& slot,
                                         const QString& sql) {
    if (slot)
        return *slot;
    sqlite3_stmt* stmt = QVUtil::foodDbc().prepareStmt(sql);
    QList<FoodSimpleDbo> rows;
    while (DBManager::nextStep(stmt)) {
        FoodSimpleDbo row(DBManager::getIntCol(stmt, 0), DBManager::getTextCol(stmt, 1));
        row.desc = DBManager::getTextCol(stmt, 2);
        row.icon = DBManager::getTextCol(stmt, 3);
        rows.append(row);
    }
    DBManager::reset(stmt);
    slot = std::move(rows);
    return *slot;
}

FoodGroups queryGrouped(const QString& sql, const QStringList& params, bool withABCRange) {
    sqlite3_stmt* stmt = QVUtil::foodDbc().prepareStmt(sql, params);
    return FoodSimpleDbo::readSimpleDboFrom(stmt, withABCRange);
}

// Appends, in name order, the rows holding every word that are not listed yet. SQLite narrows
// the rows by the longest word; the others are checked here on each row's search name.
void appendWordMatches(QList<FoodSimpleDbo>& rows, const QString& sql, const QStringList& params,
                       const QStringList& words) {
    QSet<int> listed;
    for (const FoodSimpleDbo& row : rows)
        listed.insert(row.dboId);
    sqlite3_stmt* stmt = QVUtil::foodDbc().prepareStmt(sql, params);
    while (DBManager::nextStep(stmt)) {
        const int id = DBManager::getIntCol(stmt, 0);
        if (listed.contains(id) || !SearchText::holdsAll(DBManager::getTextCol(stmt, 3), words))
            continue;
        FoodSimpleDbo row(id, DBManager::getTextCol(stmt, 1));
        if (row.name.isEmpty())
            continue;
        row.desc = DBManager::getTextCol(stmt, 2);
        rows.append(row);
    }
    DBManager::reset(stmt);
}

} // namespace

FoodSimpleDbo::FoodSimpleDbo(int dboId, QString name) : dboId(dboId), name(std::move(name)) {}

QList<FoodSimpleDbo> FoodSimpleDbo::getFoodTypes() {
    return loadIconRows(cache().types, kTypesSql);
}

QList<FoodSimpleDbo> FoodSimpleDbo::getFoodKinds() {
    return loadIconRows(cache().kinds, kKindsSql);
}

FoodGroups FoodSimpleDbo::getRestaurantsList() {
    return queryGrouped(kRestaurantsSql, {}, true);
}

FoodGroups FoodSimpleDbo::getFoodByType(int typeId) {
    return queryGrouped(kByTypeSql, {ConvertUtil::int2str(typeId)}, true);
}

FoodGroups FoodSimpleDbo::getFoodByKind(int kindId) {
    return queryGrouped(kByKindSql, {ConvertUtil::int2str(kindId)}, true);
}

FoodGroups FoodSimpleDbo::getFoodByRestaurant(int restaurantId) {
    return queryGrouped(kByRestaurantSql, {ConvertUtil::int2str(restaurantId)}, true);
}

FoodGroups FoodSimpleDbo::searchFoodItems(const QString& text, int restaurantId, int kindId,
                                          int typeId) {
    QString filter;
    QStringList params;
    if (restaurantId >= 1) {
        filter = QStringLiteral(" fi2.restaurant_id = ? and ");
        params.append(ConvertUtil::int2str(restaurantId));
    } else if (kindId >= 1) {
        filter = QStringLiteral(" fi2.kind_id = ? and ");
        params.append(ConvertUtil::int2str(kindId));
    } else if (typeId >= 1) {
        filter = QStringLiteral(" fi2.type_id = ? and ");
        params.append(ConvertUtil::int2str(typeId));
    }
    // The names as typed, blanks and commas gone, match first and keep their order.
    const QString cleaned = SearchText::clean(text);
    FoodGroups found = queryGrouped(kSearchSql.arg(filter),
                                    params + QStringList{SearchText::likePattern(cleaned)}, false);
    const QStringList words = SearchText::words(text);
    if (SearchText::addsToText(words, cleaned))
        appendWordMatches(found[kItems], kWordSearchSql.arg(filter),
                          params + QStringList{SearchText::likePattern(words.first())}, words);
    return found;
}

std::optional<FoodSimpleDbo> FoodSimpleDbo::getFoodItem(int itemId) {
    auto& items = cache().items;
    if (auto hit = items.constFind(itemId); hit != items.cend())
        return hit.value();
    sqlite3_stmt* stmt = QVUtil::foodDbc().prepareStmt(kItemSql, {ConvertUtil::int2str(itemId)});
    std::optional<FoodSimpleDbo> found;
    if (DBManager::nextStep(stmt))
        found = FoodSimpleDbo(itemId, DBManager::getTextCol(stmt, 0));
    DBManager::reset(stmt);
    if (found)
        items.insert(itemId, *found);
    return found;
}

FoodGroups FoodSimpleDbo::getRecentFood() {
    QList<FoodSimpleDbo> rows;
    for (const RecentRows::Row& recent : RecentRows::read(kRecentSql)) {
        FoodSimpleDbo row(recent.itemId, recent.name);
        row.numAttribute = static_cast<float>(recent.calories);
        row.rowId = recent.rowId;
        rows.append(row);
    }
    return {{kItems, rows}};
}

void FoodSimpleDbo::deleteRecentFood(int foodItemId) {
    QVUtil::commonDbc().executeImmediate(kDeleteRecentSql, {ConvertUtil::int2str(foodItemId)});
}

void FoodSimpleDbo::deleteRecentFoodRow(qint64 rowId) {
    QVUtil::commonDbc().executeImmediate(kDeleteRecentRowSql, {ConvertUtil::nsInteger2str(rowId)});
}

FoodGroups FoodSimpleDbo::readSimpleDboFrom(sqlite3_stmt* stmt, bool withABCRange) {
    FoodGroups groups;
    if (withABCRange) {
        for (const QChar letter : kAlphabet)
            groups.insert(QString(letter), {});
    } else {
        groups.insert(kItems, {});
    }
    while (DBManager::nextStep(stmt)) {
        FoodSimpleDbo row(DBManager::getIntCol(stmt, 0), DBManager::getTextCol(stmt, 1));
        if (row.name.isEmpty())
            continue;
        row.desc = DBManager::getTextCol(stmt, 2);
        const QString key = withABCRange ? QString(row.name.at(0).toUpper()) : kItems;
        auto group = groups.find(key);
        if (group != groups.end())
            group->append(row);
    }
    DBManager::reset(stmt);
    return groups;
}
