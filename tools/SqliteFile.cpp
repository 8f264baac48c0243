#include "SqliteFile.h"

#include <QFile>
#include <sqlite3.h>
#include <stdexcept>

using namespace Qt::StringLiterals;

void SqliteFile::Closer::operator()(sqlite3* db) const {
    sqlite3_close(db);
}

void SqliteFile::Finalizer::operator()(sqlite3_stmt* stmt) const {
    sqlite3_finalize(stmt);
}

SqliteFile::SqliteFile(const QString& path) : path_(path) {
    if (QFile::exists(path) && !QFile::remove(path))
        throw std::runtime_error(u"cannot replace %1"_s.arg(path).toStdString());
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &raw,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    db_.reset(raw);
    if (rc != SQLITE_OK)
        fail(u"open"_s);
    exec(u"begin"_s);
}

SqliteFile::~SqliteFile() = default;

void SqliteFile::fail(const QString& what) const {
    const QString reason = db_ ? QString::fromUtf8(sqlite3_errmsg(db_.get())) : u"out of memory"_s;
    throw std::runtime_error(u"%1: %2 failed: %3"_s.arg(path_, what, reason).toStdString());
}

void SqliteFile::exec(const QString& sql) {
    if (sqlite3_exec(db_.get(), sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(sql.simplified().left(80));
}

sqlite3_stmt* SqliteFile::statement(const QString& sql) {
    const std::string key = sql.toStdString();
    auto it = statements_.find(key);
    if (it != statements_.end())
        return it->second.get();
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db_.get(), key.c_str(), -1, &raw, nullptr) != SQLITE_OK)
        fail(u"prepare of "_s + sql.left(80));
    statements_.emplace(key, std::unique_ptr<sqlite3_stmt, Finalizer>(raw));
    return raw;
}

void SqliteFile::run(const QString& sql, const QVariantList& values) {
    sqlite3_stmt* stmt = statement(sql);
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    if (values.size() != sqlite3_bind_parameter_count(stmt))
        fail(u"binding %1 values to %2"_s.arg(values.size()).arg(sql.left(80)));
    for (int i = 0; i < values.size(); ++i) {
        const QVariant& v = values[i];
        const int pos = i + 1;
        int rc = SQLITE_OK;
        switch (v.typeId()) {
        case QMetaType::UnknownType:
            rc = sqlite3_bind_null(stmt, pos);
            break;
        case QMetaType::Int:
        case QMetaType::LongLong:
            rc = sqlite3_bind_int64(stmt, pos, v.toLongLong());
            break;
        case QMetaType::Double:
            rc = sqlite3_bind_double(stmt, pos, v.toDouble());
            break;
        default:
            rc = sqlite3_bind_text(stmt, pos, v.toString().toUtf8().constData(), -1,
                                   SQLITE_TRANSIENT);
        }
        if (rc != SQLITE_OK)
            fail(u"bind"_s);
    }
    const int rc = sqlite3_step(stmt);
    sqlite3_reset(stmt);
    if (rc != SQLITE_DONE)
        fail(sql.left(80));
}

void SqliteFile::close() {
    statements_.clear();
    exec(u"commit"_s);
    // Catalogues ship read-only and small: drop the free pages left by the build.
    exec(u"vacuum"_s);
    if (sqlite3_close(db_.get()) != SQLITE_OK)
        fail(u"close"_s);
    db_.release();
}
