#include "core/db/SqliteConnection.h"

#include "core/db/DBException.h"

#include <QDeadlineTimer>
#include <sqlite3.h>

namespace {

// How long a copy waits for another connection to finish its write before giving up.
constexpr int kBusyMs = 5000;

struct StmtFinalizer {
    void operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }
};

int openFlags(SqliteConnection::Mode mode) {
    switch (mode) {
    case SqliteConnection::Mode::ReadOnly:
        return SQLITE_OPEN_READONLY;
    case SqliteConnection::Mode::ReadWrite:
        return SQLITE_OPEN_READWRITE;
    case SqliteConnection::Mode::Create:
        break;
    }
    return SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
}

} // namespace

void SqliteConnection::Closer::operator()(sqlite3* db) const {
    sqlite3_close_v2(db);
}

SqliteConnection::SqliteConnection(const QString& path, Mode mode, QString failureName)
    : failureName_(std::move(failureName)) {
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &raw, openFlags(mode), nullptr);
    db_.reset(raw);
    if (rc != SQLITE_OK)
        fail(QStringLiteral("%1: %2").arg(path, QString::fromUtf8(sqlite3_errmsg(raw))));
    sqlite3_busy_timeout(raw, kBusyMs);
}

SqliteConnection::~SqliteConnection() = default;

void SqliteConnection::fail() const {
    fail(QString::fromUtf8(sqlite3_errmsg(db_.get())));
}

void SqliteConnection::fail(const QString& reason) const {
    throw DBException(failureName_, reason);
}

void SqliteConnection::exec(const QString& sql) {
    if (sqlite3_exec(db_.get(), sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        fail();
}

QStringList SqliteConnection::column(const QString& sql, const QStringList& params) {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db_.get(), sql.toUtf8().constData(), -1, &raw, nullptr) != SQLITE_OK) {
        sqlite3_finalize(raw);
        fail();
    }
    const std::unique_ptr<sqlite3_stmt, StmtFinalizer> stmt(raw);
    for (int i = 0; i < params.size(); ++i) {
        const QByteArray utf8 = params.at(i).toUtf8();
        sqlite3_bind_text(raw, i + 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    }
    QStringList values;
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(raw)) == SQLITE_ROW) {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(raw, 0));
        values.append(text ? QString::fromUtf8(text, sqlite3_column_bytes(raw, 0)) : QString(""));
    }
    if (rc != SQLITE_DONE)
        fail();
    return values;
}

bool SqliteConnection::hasTable(const QString& table) {
    return !column(QStringLiteral("select 1 from sqlite_master where type = 'table' and name = ?1"),
                   {table})
                .isEmpty();
}

QString SqliteConnection::integrityProblem() {
    // A file that is not a database at all fails here rather than in the check.
    QStringList verdict;
    try {
        verdict = column(QStringLiteral("pragma integrity_check"));
    } catch (const DBException& failure) {
        return failure.reason();
    }
    if (verdict == QStringList{QStringLiteral("ok")})
        return QString();
    return verdict.join(QStringLiteral("; "));
}

void SqliteConnection::copyFrom(const SqliteConnection& source) {
    sqlite3_backup* backup = sqlite3_backup_init(db_.get(), "main", source.db_.get(), "main");
    if (!backup)
        fail();
    // All pages in one step: the source stays readable by others and is seen at one moment.
    // The step can find the file locked by a writer without waiting through the busy timeout
    // (SQLite says to try again later), so it is tried again until the writer lets go.
    QDeadlineTimer deadline(kBusyMs);
    int rc = SQLITE_OK;
    do {
        rc = sqlite3_backup_step(backup, -1);
        if (rc != SQLITE_BUSY && rc != SQLITE_LOCKED)
            break;
        sqlite3_sleep(10);
    } while (!deadline.hasExpired());
    sqlite3_backup_finish(backup);
    if (rc != SQLITE_DONE)
        fail(rc == SQLITE_BUSY || rc == SQLITE_LOCKED ? QStringLiteral("the database stayed busy")
                                                      : QString::fromUtf8(sqlite3_errstr(rc)));
}

int SqliteConnection::changes() const {
    return sqlite3_changes(db_.get());
}
