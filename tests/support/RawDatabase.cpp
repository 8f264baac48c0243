#include "RawDatabase.h"

#include <QDir>
#include <sqlite3.h>
#include <stdexcept>

void RawDatabase::Closer::operator()(sqlite3* db) const {
    sqlite3_close(db);
}

RawDatabase::RawDatabase(const QString& path, int flags) {
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &raw, flags, nullptr);
    db_.reset(raw, Closer{});
    if (rc != SQLITE_OK)
        throw std::runtime_error("cannot open " + path.toStdString());
}

RawDatabase RawDatabase::shipped(const QString& name) {
    return RawDatabase(QDir(QStringLiteral(QUORVEL_TEST_RESOURCE_DIR)).filePath(name),
                       SQLITE_OPEN_READONLY);
}

std::vector<RawDatabase::Row> RawDatabase::rows(const QString& sql,
                                                const QStringList& params) const {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db_.get(), sql.toUtf8().constData(), -1, &raw, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string(sqlite3_errmsg(db_.get())) + " in " +
                                 sql.toStdString());
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> stmt(raw, sqlite3_finalize);
    for (int i = 0; i < params.size(); ++i)
        sqlite3_bind_text(raw, i + 1, params[i].toUtf8().constData(), -1, SQLITE_TRANSIENT);
    std::vector<Row> result;
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(raw)) == SQLITE_ROW) {
        Row row;
        for (int c = 0; c < sqlite3_column_count(raw); ++c) {
            switch (sqlite3_column_type(raw, c)) {
            case SQLITE_INTEGER:
                row.emplace_back(static_cast<qint64>(sqlite3_column_int64(raw, c)));
                break;
            case SQLITE_FLOAT:
                row.emplace_back(sqlite3_column_double(raw, c));
                break;
            case SQLITE_NULL:
                row.emplace_back();
                break;
            default:
                row.emplace_back(
                    QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(raw, c))));
            }
        }
        result.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE)
        throw std::runtime_error(std::string(sqlite3_errmsg(db_.get())) + " in " +
                                 sql.toStdString());
    return result;
}

QVariant RawDatabase::scalar(const QString& sql, const QStringList& params) const {
    const std::vector<Row> result = rows(sql, params);
    return result.empty() || result[0].empty() ? QVariant() : result[0][0];
}

QStringList RawDatabase::declaredColumns(const QString& table) const {
    QStringList columns;
    // A lone INTEGER key column is the row id; say so, as the schema is written.
    const QString sql =
        QStringLiteral("select name, type, pk = 1 and type = 'INTEGER' and"
                       " (select count(*) from pragma_table_info(?1) where pk > 0) = 1"
                       " from pragma_table_info(?1)");
    for (const Row& row : rows(sql, {table})) {
        QString column = row[0].toString() + u' ' + row[1].toString();
        if (row[2].toLongLong() == 1)
            column += QStringLiteral(" PRIMARY KEY");
        columns << column;
    }
    return columns;
}
