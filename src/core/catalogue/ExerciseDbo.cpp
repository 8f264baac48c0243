#include "core/catalogue/ExerciseDbo.h"

#include "core/catalogue/SearchText.h"
#include "core/db/DBManager.h"
#include "core/db/QVUtil.h"
#include "core/diary/RecentRows.h"
#include "core/text/ConvertUtil.h"

#include <QSet>

namespace {

const QString kCountSql = QStringLiteral("select count(*) from exercise_categories");
const QString kCategoryOfSql =
    QStringLiteral("select exercise_category_id from exercise_items where exercise_items.id=%1");
const QString kCategoriesSql =
    QStringLiteral("select c.id, c.name, c.icon, c.desc from exercise_categories c %1");
const QString kByCategorySql =
    QStringLiteral("select id, name from exercise_items where exercise_category_id=?");
const QString kSearchSql =
    QStringLiteral("select ei.id, ei.name  from exercise_items ei %1 where %2 ei.l_name like ? "
                   "escape '\\'");
// The same rows with their search names, for the items that hold every typed word.
const QString kWordSearchSql = QStringLiteral(
    "select ei.id, ei.name, ei.l_name from exercise_items ei %1 where %2 ei.l_name like ? "
    "escape '\\'");
const QString kItemSql = QStringLiteral("select name from exercise_items where id=?");
const QString kMetsSql = QStringLiteral(
    "select ei.intensity_s, ei.mets, nt.name from exercise_intensity ei join intensity nt on "
    "ei.intensity_s = nt.intensity_s where ei.exercise_items_s = ?");
// The row id travels as a fourth column so that one remembered entry can be deleted alone.
const QString kRecentSql = QStringLiteral("select re.exercise_item_id, re.name, re.calories, re.id "
                                          "from recent_exercise re order by re.id desc");
const QString kDeleteRecentSql =
    QStringLiteral("delete from recent_exercise where exercise_item_id = ? ");
const QString kDeleteRecentRowSql = QStringLiteral("delete from recent_exercise where id = ? ");

} // namespace

ExerciseDbo::ExerciseDbo(int dboId, QString name) : dboId(dboId), name(std::move(name)) {}

int ExerciseDbo::getCategoriesCount() {
    return QVUtil::exerciseDbc().executeIntScalar(kCountSql);
}

int ExerciseDbo::getCategoryIdForExercise(int exerciseId) {
    if (exerciseId == 0)
        return 1;
    return QVUtil::exerciseDbc().executeIntScalar(kCategoryOfSql.arg(exerciseId));
}

std::optional<QList<ExerciseDbo>> ExerciseDbo::getCategories(bool all) {
    const QString filter = all ? QString() : QStringLiteral(" where c.id != 1");
    return readDboFrom(QVUtil::exerciseDbc().prepareStmt(kCategoriesSql.arg(filter)), false);
}

std::optional<QList<ExerciseDbo>> ExerciseDbo::getExercisesByCategory(int categoryId) {
    return readDboFrom(
        QVUtil::exerciseDbc().prepareStmt(kByCategorySql, {ConvertUtil::int2str(categoryId)}),
        true);
}

std::optional<QList<ExerciseDbo>> ExerciseDbo::searchExerciseUsingTemplate(const QString& text,
                                                                           int categoryId) {
    QString from;
    QString where;
    QStringList params;
    if (categoryId > 0) {
        from = QStringLiteral(" , exercise_categories c ");
        where = QStringLiteral(" c.id = ? and c.id = ei.exercise_category_id and ");
        params.append(ConvertUtil::int2str(categoryId));
    }
    DBManager& db = QVUtil::exerciseDbc();
    // The text as typed matches first; then the exercises holding every typed word.
    QList<ExerciseDbo> rows =
        readRows(db.prepareStmt(kSearchSql.arg(from, where),
                                params + QStringList{SearchText::likePattern(text)}),
                 true);
    const QStringList words = SearchText::words(text);
    if (SearchText::addsToText(words, text)) {
        QSet<int> listed;
        for (const ExerciseDbo& row : rows)
            listed.insert(row.dboId);
        sqlite3_stmt* stmt =
            db.prepareStmt(kWordSearchSql.arg(from, where),
                           params + QStringList{SearchText::likePattern(words.first())});
        while (DBManager::nextStep(stmt)) {
            const int id = DBManager::getIntCol(stmt, 0);
            if (!listed.contains(id) && SearchText::holdsAll(DBManager::getTextCol(stmt, 2), words))
                rows.append(ExerciseDbo(id, DBManager::getTextCol(stmt, 1)));
        }
        DBManager::reset(stmt);
    }
    return withMets(std::move(rows), true);
}

std::optional<ExerciseDbo> ExerciseDbo::getExercise(int exerciseId) {
    sqlite3_stmt* stmt =
        QVUtil::exerciseDbc().prepareStmt(kItemSql, {ConvertUtil::int2str(exerciseId)});
    if (!DBManager::nextStep(stmt)) {
        DBManager::reset(stmt);
        return std::nullopt;
    }
    ExerciseDbo item(exerciseId, DBManager::getTextCol(stmt, 0));
    DBManager::reset(stmt);
    item.mets = getMetsFromExerciseID(exerciseId);
    return item;
}

QList<ExerciseMets> ExerciseDbo::getMetsFromExerciseID(int exerciseId) {
    sqlite3_stmt* stmt =
        QVUtil::exerciseDbc().prepareStmt(kMetsSql, {ConvertUtil::int2str(exerciseId)});
    QList<ExerciseMets> levels;
    while (DBManager::nextStep(stmt))
        levels.append({DBManager::getIntCol(stmt, 0), DBManager::getTextCol(stmt, 2),
                       DBManager::getDoubleCol(stmt, 1)});
    DBManager::reset(stmt);
    return levels;
}

QList<ExerciseDbo> ExerciseDbo::getRecentExercises() {
    QList<ExerciseDbo> rows;
    // Intensities come from the other file, once the recent statement is done with.
    for (const RecentRows::Row& recent : RecentRows::read(kRecentSql)) {
        ExerciseDbo row(recent.itemId, recent.name);
        row.calories = recent.calories;
        row.rowId = recent.rowId;
        row.mets = getMetsFromExerciseID(row.dboId);
        rows.append(row);
    }
    return rows;
}

void ExerciseDbo::deleteRecentExercise(int exerciseItemId) {
    QVUtil::commonDbc().executeImmediate(kDeleteRecentSql, {ConvertUtil::int2str(exerciseItemId)});
}

void ExerciseDbo::deleteRecentExerciseRow(qint64 rowId) {
    QVUtil::commonDbc().executeImmediate(kDeleteRecentRowSql, {ConvertUtil::nsInteger2str(rowId)});
}

std::optional<QList<ExerciseDbo>> ExerciseDbo::readDboFrom(sqlite3_stmt* stmt, bool getExercise) {
    return withMets(readRows(stmt, getExercise), getExercise);
}

QList<ExerciseDbo> ExerciseDbo::readRows(sqlite3_stmt* stmt, bool getExercise) {
    QList<ExerciseDbo> rows;
    while (DBManager::nextStep(stmt)) {
        ExerciseDbo row(DBManager::getIntCol(stmt, 0), DBManager::getTextCol(stmt, 1));
        if (!getExercise) {
            row.icon = DBManager::getTextCol(stmt, 2);
            row.desc = DBManager::getTextCol(stmt, 3);
        }
        rows.append(row);
    }
    DBManager::reset(stmt);
    return rows;
}

std::optional<QList<ExerciseDbo>> ExerciseDbo::withMets(QList<ExerciseDbo> rows, bool getExercise) {
    // Intensities are read after the list statement is reset, so the same connection never
    // holds two of our statements mid-step.
    if (getExercise)
        for (ExerciseDbo& row : rows)
            row.mets = getMetsFromExerciseID(row.dboId);
    if (rows.isEmpty())
        return std::nullopt;
    return rows;
}
