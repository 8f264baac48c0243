#include "core/db/UserDataMigration.h"

#include "core/db/DBException.h"
#include "core/db/DBManager.h"

#include <memory>
#include <sqlite3.h>

namespace {

const QString kFailure =
    QStringLiteral("DBManager failed to carry user data into the new database version");

struct DbCloser {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
struct StmtFinalizer {
    void operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }
};
using Db = std::unique_ptr<sqlite3, DbCloser>;
using Stmt = std::unique_ptr<sqlite3_stmt, StmtFinalizer>;

[[noreturn]] void fail(sqlite3* db) {
    throw DBException(kFailure, QString::fromUtf8(sqlite3_errmsg(db)));
}

QString quoted(const QString& identifier) {
    QString inner = identifier;
    inner.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}

Stmt prepare(sqlite3* db, const QString& sql) {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &raw, nullptr) != SQLITE_OK) {
        sqlite3_finalize(raw);
        fail(db);
    }
    return Stmt(raw);
}

void exec(sqlite3* db, const QString& sql) {
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(db);
}

// First column of every row, as text.
QStringList firstColumn(sqlite3* db, const QString& sql, const QString& param = QString()) {
    Stmt stmt = prepare(db, sql);
    if (!param.isNull()) {
        const QByteArray utf8 = param.toUtf8();
        sqlite3_bind_text(stmt.get(), 1, utf8.constData(), static_cast<int>(utf8.size()),
                          SQLITE_TRANSIENT);
    }
    QStringList values;
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW)
        values.append(DBManager::getTextCol(stmt.get(), 0));
    if (rc != SQLITE_DONE)
        fail(db);
    return values;
}

QStringList tables(sqlite3* db, const QString& schema) {
    return firstColumn(db,
                       QStringLiteral("select name from %1.sqlite_master where type = 'table' "
                                      "and name not like 'sqlite\\_%' escape '\\' order by name")
                           .arg(schema));
}

QStringList columns(sqlite3* db, const QString& schema, const QString& table) {
    return firstColumn(
        db, QStringLiteral("select name from pragma_table_info(?1, '%1') order by cid").arg(schema),
        table);
}

int count(sqlite3* db, const QString& schema, const QString& table) {
    return firstColumn(db, QStringLiteral("select count(*) from %1.%2").arg(schema, quoted(table)))
        .value(0)
        .toInt();
}

int copyTable(sqlite3* db, const QString& table, UserDataMigration::Report& report) {
    const QStringList target = columns(db, QStringLiteral("main"), table);
    const QStringList source = columns(db, QStringLiteral("previous"), table);
    QStringList shared;
    for (const QString& c : target)
        if (source.contains(c))
            shared.append(quoted(c));
    for (const QString& c : source)
        if (!target.contains(c))
            report.lines.append(
                QStringLiteral("column %1 of %2 is not in the new file and was dropped")
                    .arg(c, table));
    if (shared.isEmpty())
        return 0;
    const QString list = shared.join(QStringLiteral(", "));
    exec(db, QStringLiteral("insert or replace into main.%1 (%2) select %2 from previous.%1")
                 .arg(quoted(table), list));
    return sqlite3_changes(db);
}

} // namespace

UserDataMigration::Report UserDataMigration::carry(const QString& newPath,
                                                   const QString& previousPath) {
    sqlite3* raw = nullptr;
    const int rc =
        sqlite3_open_v2(newPath.toUtf8().constData(), &raw, SQLITE_OPEN_READWRITE, nullptr);
    Db db(raw);
    if (rc != SQLITE_OK)
        fail(db.get());
    {
        Stmt attach = prepare(db.get(), QStringLiteral("attach database ?1 as previous"));
        const QByteArray path = previousPath.toUtf8();
        sqlite3_bind_text(attach.get(), 1, path.constData(), static_cast<int>(path.size()),
                          SQLITE_TRANSIENT);
        if (sqlite3_step(attach.get()) != SQLITE_DONE)
            fail(db.get());
    }
    Report report;
    const QStringList oldTables = tables(db.get(), QStringLiteral("previous"));
    const QStringList newTables = tables(db.get(), QStringLiteral("main"));
    exec(db.get(), QStringLiteral("begin"));
    try {
        for (const QString& table : newTables) {
            if (!oldTables.contains(table))
                continue;
            const int rows = copyTable(db.get(), table, report);
            report.rows += rows;
            report.lines.append(QStringLiteral("%1 rows of %2 carried over").arg(rows).arg(table));
            const int before = count(db.get(), QStringLiteral("previous"), table);
            const int after = count(db.get(), QStringLiteral("main"), table);
            if (after < before) {
                report.missing += before - after;
                report.lines.append(
                    QStringLiteral("only %1 of the %2 rows of %3 are in the new file")
                        .arg(after)
                        .arg(before)
                        .arg(table));
            }
        }
        for (const QString& table : oldTables)
            if (!newTables.contains(table))
                report.missing += count(db.get(), QStringLiteral("previous"), table);
        exec(db.get(), QStringLiteral("commit"));
    } catch (const DBException&) {
        sqlite3_exec(db.get(), "rollback", nullptr, nullptr, nullptr);
        throw;
    }
    for (const QString& table : oldTables)
        if (!newTables.contains(table))
            report.lines.append(
                QStringLiteral("table %1 is not in the new file and stays in the backup")
                    .arg(table));
    exec(db.get(), QStringLiteral("detach database previous"));
    return report;
}
