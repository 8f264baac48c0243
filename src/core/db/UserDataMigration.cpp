#include "core/db/UserDataMigration.h"

#include "core/db/DBException.h"
#include "core/db/SqliteConnection.h"

namespace {

const QString kFailure =
    QStringLiteral("DBManager failed to carry user data into the new database version");

QString quoted(const QString& identifier) {
    QString inner = identifier;
    inner.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}

QStringList tables(SqliteConnection& db, const QString& schema) {
    return db.column(QStringLiteral("select name from %1.sqlite_master where type = 'table' "
                                    "and name not like 'sqlite\\_%' escape '\\' order by name")
                         .arg(schema));
}

QStringList columns(SqliteConnection& db, const QString& schema, const QString& table) {
    return db.column(
        QStringLiteral("select name from pragma_table_info(?1, '%1') order by cid").arg(schema),
        {table});
}

int count(SqliteConnection& db, const QString& schema, const QString& table) {
    return db.column(QStringLiteral("select count(*) from %1.%2").arg(schema, quoted(table)))
        .value(0)
        .toInt();
}

int copyTable(SqliteConnection& db, const QString& table, UserDataMigration::Report& report) {
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
    db.exec(QStringLiteral("insert or replace into main.%1 (%2) select %2 from previous.%1")
                .arg(quoted(table), list));
    return db.changes();
}

} // namespace

UserDataMigration::Report UserDataMigration::carry(const QString& newPath,
                                                   const QString& previousPath) {
    SqliteConnection db(newPath, SqliteConnection::Mode::ReadWrite, kFailure);
    db.column(QStringLiteral("attach database ?1 as previous"), {previousPath});
    Report report;
    const QStringList oldTables = tables(db, QStringLiteral("previous"));
    const QStringList newTables = tables(db, QStringLiteral("main"));
    db.exec(QStringLiteral("begin"));
    try {
        for (const QString& table : newTables) {
            if (!oldTables.contains(table))
                continue;
            const int rows = copyTable(db, table, report);
            report.rows += rows;
            report.lines.append(QStringLiteral("%1 rows of %2 carried over").arg(rows).arg(table));
            const int before = count(db, QStringLiteral("previous"), table);
            const int after = count(db, QStringLiteral("main"), table);
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
                report.missing += count(db, QStringLiteral("previous"), table);
        db.exec(QStringLiteral("commit"));
    } catch (const DBException&) {
        try {
            db.exec(QStringLiteral("rollback"));
        } catch (const DBException&) {
            // The failure that brought us here is the one to report.
        }
        throw;
    }
    for (const QString& table : oldTables)
        if (!newTables.contains(table))
            report.lines.append(
                QStringLiteral("table %1 is not in the new file and stays in the backup")
                    .arg(table));
    db.exec(QStringLiteral("detach database previous"));
    return report;
}
