#include "support/RawDatabase.h"

#include "core/base/Paths.h"

#include <QDir>
#include <QFileInfo>
#include <sqlite3.h>
#include <stdexcept>

RawDatabase::RawDatabase(const QString& path, int flags) : path_(path) {
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &raw, flags, nullptr);
    db_.reset(raw, sqlite3_close);
    if (rc != SQLITE_OK)
        fail(QStringLiteral("cannot open"));
}

RawDatabase RawDatabase::shipped(const QString& name) {
    return RawDatabase(QDir(QStringLiteral(QUORVEL_TEST_RESOURCE_DIR)).filePath(name),
                       SQLITE_OPEN_READONLY);
}

RawDatabase RawDatabase::user(const QString& name) {
    const QString path = QDir(Paths::dataDir()).filePath(name);
    if (!QFileInfo::exists(path)) {
        RawDatabase absent;
        absent.path_ = path;
        return absent;
    }
    return RawDatabase(path, SQLITE_OPEN_READWRITE);
}

RawDatabase RawDatabase::file(const QString& path) {
    return RawDatabase(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
}

void RawDatabase::fail(const QString& what) const {
    const QString reason = db_ ? QString::fromUtf8(sqlite3_errmsg(db_.get())) : "not in place";
    throw std::runtime_error((path_ + ": " + what + ": " + reason).toStdString());
}

void RawDatabase::exec(const QString& script) const {
    if (!db_)
        fail(QStringLiteral("cannot write"));
    const QByteArray sql = ("begin;" + script + ";commit;").toUtf8();
    if (sqlite3_exec(db_.get(), sql.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(script);
}

std::shared_ptr<void> RawDatabase::lockWrites() const {
    if (!db_ || sqlite3_exec(db_.get(), "begin immediate", nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(QStringLiteral("cannot take the write lock"));
    return std::shared_ptr<void>(nullptr, [db = db_](void*) {
        sqlite3_exec(db.get(), "commit", nullptr, nullptr, nullptr);
    });
}

void RawDatabase::each(const QString& sql, const QStringList& params,
                       const std::function<void(sqlite3_stmt*)>& row) const {
    if (!db_)
        return;
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db_.get(), sql.toUtf8().constData(), -1, &raw, nullptr) != SQLITE_OK)
        fail(sql);
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> stmt(raw, sqlite3_finalize);
    for (int i = 0; i < params.size(); ++i)
        sqlite3_bind_text(raw, i + 1, params[i].toUtf8().constData(), -1, SQLITE_TRANSIENT);
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(raw)) == SQLITE_ROW)
        row(raw);
    if (rc != SQLITE_DONE)
        fail(sql);
}

std::vector<RawDatabase::Row> RawDatabase::rows(const QString& sql,
                                                const QStringList& params) const {
    std::vector<Row> result;
    each(sql, params, [&result](sqlite3_stmt* stmt) {
        Row row;
        for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
            switch (sqlite3_column_type(stmt, c)) {
            case SQLITE_INTEGER:
                row.emplace_back(static_cast<qint64>(sqlite3_column_int64(stmt, c)));
                break;
            case SQLITE_FLOAT:
                row.emplace_back(sqlite3_column_double(stmt, c));
                break;
            case SQLITE_NULL:
                row.emplace_back();
                break;
            default:
                row.emplace_back(
                    QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, c))));
            }
        }
        result.push_back(std::move(row));
    });
    return result;
}

QVariant RawDatabase::scalar(const QString& sql, const QStringList& params) const {
    const std::vector<Row> result = rows(sql, params);
    return result.empty() || result[0].empty() ? QVariant() : result[0][0];
}

QStringList RawDatabase::lines(const QString& sql, const QStringList& params) const {
    QStringList result;
    each(sql, params, [&result](sqlite3_stmt* stmt) {
        QStringList columns;
        for (int c = 0; c < sqlite3_column_count(stmt); ++c)
            columns << QString::fromUtf8(
                reinterpret_cast<const char*>(sqlite3_column_text(stmt, c)));
        result << columns.join(u'|');
    });
    return result;
}

QString RawDatabase::text(const QString& sql, const QStringList& params) const {
    return lines(sql, params).value(0);
}

int RawDatabase::count(const QString& table, const QString& where) const {
    return text(QStringLiteral("select count(*) from %1 where %2").arg(table, where)).toInt();
}
