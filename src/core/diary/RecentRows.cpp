#include "core/diary/RecentRows.h"

#include "core/db/DBManager.h"
#include "core/db/QVUtil.h"
#include "core/text/ConvertUtil.h"

RecentRows::RecentRows(QString table, QString itemColumn)
    : table_(std::move(table)), itemColumn_(std::move(itemColumn)) {}

QList<RecentRows::Row> RecentRows::read(const QString& sql) {
    sqlite3_stmt* stmt = QVUtil::commonDbc().prepareStmt(sql);
    QList<Row> rows;
    while (DBManager::nextStep(stmt))
        rows.append({DBManager::getIntCol(stmt, 0), DBManager::getTextCol(stmt, 1),
                     DBManager::getDoubleCol(stmt, 2), DBManager::getLongCol(stmt, 3)});
    DBManager::reset(stmt);
    return rows;
}

void RecentRows::makeRoom() const {
    DBManager& db = QVUtil::commonDbc();
    if (db.executeIntScalar(QStringLiteral("select count(*) from %1 ").arg(table_)) > kLimit - 1)
        db.executeImmediate(
            QStringLiteral("delete from %1 where id = (select min(id) from %1) ").arg(table_), {});
}

bool RecentRows::hasItem(int itemId) const {
    return QVUtil::commonDbc().executeIntScalar(
               QStringLiteral("select count(*) from %1 where %2=?").arg(table_, itemColumn_),
               {ConvertUtil::int2str(itemId)}) != 0;
}

bool RecentRows::hasName(const QString& name) const {
    return QVUtil::commonDbc().executeIntScalar(
               QStringLiteral("select count(*) from %1 where name=?").arg(table_), {name}) != 0;
}

void RecentRows::insert(int itemId, const QString& name, float calories) const {
    QVUtil::commonDbc().executeImmediate(
        QStringLiteral("insert into %1 (%2, name, calories)  values (?, ?, ?)")
            .arg(table_, itemColumn_),
        {ConvertUtil::int2str(itemId), name, ConvertUtil::float2str(calories)});
}
