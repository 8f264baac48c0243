#include "core/db/DBManager.h"

#include "core/backup/BackupFolder.h"
#include "core/base/Paths.h"
#include "core/base/UserNotices.h"
#include "core/base/Util.h"
#include "core/db/DBException.h"
#include "core/db/DiaryUpgrade.h"
#include "core/db/DurableFile.h"
#include "core/settings/UDefUtil.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <array>
#include <sqlite3.h>

namespace {

const QString kStoredDatePattern = QStringLiteral("yyyy-MM-dd HH:mm:ss");
const QString kShortDatePattern = QStringLiteral("yyyy-MM-dd HH:mm");

const QString kCreateFailure =
    QStringLiteral("DBManager failed to create writable database file with message");
const QString kRemoveFailure =
    QStringLiteral("DBManager failed to remove old database version file with message");

// SQLite's own words for the last failure on the connection ("UNIQUE constraint failed:
// saved_food.id", "database or disk is full"); the fixed text of the code when there are none.
QString errorText(sqlite3* db, int code) {
    const char* message = db ? sqlite3_errmsg(db) : nullptr;
    if (message && *message)
        return QString::fromUtf8(message);
    return DBManager::getSQLiteErrMsg(code);
}

} // namespace

void DBManager::Closer::operator()(sqlite3* db) const {
    // Only reached when closeDb could not close: let SQLite close once the last use is gone.
    sqlite3_close_v2(db);
}

DBManager::DBManager() = default;

DBManager::~DBManager() {
    closeDb();
}

void DBManager::initVersion(const QString& version, const QString& fileName,
                            const QString& keySuffix) {
    dbName_ = fileName;
    closeDb();
    const QString key = Util::bundleIdentifier() + keySuffix;
    const QString stored = UDefUtil::getUserDefString(key, QString());
    const bool reload = version != stored;
    initOrCreate(reload);
    if (reload)
        UDefUtil::setUserDefString(version, key);
}

QString DBManager::pathToDBWithName(const QString& name) {
    return QDir(Paths::dataDir()).filePath(name);
}

void DBManager::initOrCreate(bool reload) {
    const QString dir = Paths::dataDir();
    if (!QDir().mkpath(dir))
        throw DBException(kCreateFailure,
                          QStringLiteral("cannot create the directory %1").arg(dir));
    const QString path = pathToDBWithName(dbName_);
    const QString shipped = QDir(Paths::resourceDir()).filePath(dbName_);
    // A new version that was being built when the program stopped; the user's file is whole.
    const QString temp = DurableFile::tempPath(path);
    if (QFileInfo::exists(temp)) {
        qInfo().noquote()
            << QStringLiteral("Database %1: an unfinished upgrade was removed").arg(dbName_);
        DurableFile::removeWithJournals(temp);
    }
    const bool carry = reloadPolicy_ == ReloadPolicy::CarryRows;
    bool exists = QFileInfo::exists(path);
    if (exists && carry && QFileInfo(path).size() == 0) {
        setAsideEmpty(path);
        exists = false;
    }
    if (reload && exists && carry) {
        // The diary as it stands, whole, before anything of it changes.
        BackupFolder::beforeUpgrade();
        carryRows(shipped, path);
    } else if (!exists || reload) {
        if (exists)
            qInfo().noquote()
                << QStringLiteral("Database %1 was reloaded from resources").arg(dbName_);
        installShipped(shipped, path);
    }
    if (carry)
        initDatabase(path);
    else
        openCatalogue(shipped, path);
}

void DBManager::installShipped(const QString& shipped, const QString& path) const {
    const QString temp = DurableFile::tempPath(path);
    try {
        DurableFile::copy(shipped, temp, kCreateFailure);
        DurableFile::replace(temp, path, kRemoveFailure);
    } catch (const DBException&) {
        DurableFile::removeWithJournals(temp);
        throw;
    }
}

void DBManager::setAsideEmpty(const QString& path) {
    const QString backup = DurableFile::freeBackupName(path);
    // A journal beside it belongs to it: it goes along, so it is never played into the new file.
    QFile::rename(path + QStringLiteral("-journal"), backup + QStringLiteral("-journal"));
    if (!QFile::rename(path, backup))
        throw DBException(kRemoveFailure, QStringLiteral("cannot move aside %1").arg(path));
    qWarning().noquote() << QStringLiteral("Database %1 was empty; it is kept as %2 and a new "
                                           "one is made")
                                .arg(dbName_, QFileInfo(backup).fileName());
}

void DBManager::carryRows(const QString& shipped, const QString& path) {
    const DiaryUpgrade::Result result = DiaryUpgrade::run(shipped, path);
    const QString backupName = QFileInfo(result.backupPath).fileName();
    qInfo().noquote() << QStringLiteral("Database %1 was reloaded from resources; the previous "
                                        "copy is kept as %2")
                             .arg(dbName_, backupName);
    for (const QString& line : result.report.lines)
        qInfo().noquote() << QStringLiteral("Database %1: %2").arg(dbName_, line);
    if (result.report.missing == 0)
        return;
    const QString message =
        QStringLiteral("%1 of your entries in %2 could not be carried into the new version. "
                       "The previous file is kept as %3.")
            .arg(result.report.missing)
            .arg(dbName_, backupName);
    qWarning().noquote() << QStringLiteral("Database %1: %2").arg(dbName_, message);
    UserNotices::add(QStringLiteral("Diary upgrade"), message);
}

void DBManager::openCatalogue(const QString& shipped, const QString& path) {
    // The catalogues hold nothing of the user's: a copy that cannot be read is simply made anew
    // rather than stopping every start.
    QString problem;
    try {
        initDatabase(path);
        problem = catalogueProblem();
    } catch (const DBException& failure) {
        problem = failure.reason();
    }
    if (problem.isEmpty())
        return;
    closeDb();
    qWarning().noquote() << QStringLiteral("Database %1 could not be read (%2); it was replaced "
                                           "from resources")
                                .arg(dbName_, problem);
    installShipped(shipped, path);
    initDatabase(path);
}

QString DBManager::catalogueProblem() {
    // The single value a statement yields, or SQLite's message when it yields none.
    const auto firstValue = [this](const char* sql, QString& value) {
        sqlite3_stmt* stmt = nullptr;
        const bool read = sqlite3_prepare_v2(db_.get(), sql, -1, &stmt, nullptr) == SQLITE_OK &&
                          sqlite3_step(stmt) == SQLITE_ROW;
        value = read ? getTextCol(stmt, 0) : QString::fromUtf8(sqlite3_errmsg(db_.get()));
        sqlite3_finalize(stmt);
        return read;
    };
    QString verdict;
    // quick_check reads every page once; the catalogues are small enough for that at start.
    if (!firstValue("pragma quick_check", verdict) || verdict != QLatin1String("ok"))
        return verdict;
    QString tables;
    if (!firstValue("select count(*) from sqlite_master", tables))
        return tables;
    return tables != QLatin1String("0") ? QString() : QStringLiteral("it is empty");
}

void DBManager::initDatabase(const QString& path) {
    closeDb();
    sqlite3* raw = nullptr;
    // No CREATE flag: a missing file is a failure, not a fresh empty database.
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &raw, SQLITE_OPEN_READWRITE, nullptr);
    std::unique_ptr<sqlite3, Closer> opened(raw);
    if (rc != SQLITE_OK)
        throw DBException(QStringLiteral("DBManager unable connect to database"),
                          errorText(raw, rc));
    db_ = std::move(opened);
}

void DBManager::closeDb() {
    for (auto it = statements_.cbegin(); it != statements_.cend(); ++it)
        sqlite3_finalize(it.value());
    statements_.clear();
    if (!db_)
        return;
    if (sqlite3_close(db_.get()) == SQLITE_OK) {
        (void)db_.release();
        return;
    }
    qWarning("Error: failed to close database with message '%s'.", sqlite3_errmsg(db_.get()));
}

sqlite3_stmt* DBManager::prepareStmt(const QString& sql, const QStringList& params) {
    if (!db_)
        throw DBException(
            QStringLiteral("DBManager preparing statement error"),
            QStringLiteral("Statement preparing is corrupted - data base is not initialized."));
    auto found = statements_.constFind(sql);
    sqlite3_stmt* stmt = found != statements_.cend() ? found.value() : nullptr;
    if (!stmt) {
        const int rc = sqlite3_prepare_v2(db_.get(), sql.toUtf8().constData(), -1, &stmt, nullptr);
        if (rc != SQLITE_OK) {
            const QString reason = errorText(db_.get(), rc);
            if (stmt) {
                sqlite3_reset(stmt);
                sqlite3_finalize(stmt);
            }
            qWarning().noquote()
                << QStringLiteral("Preparing statement error: %1\n").arg(getSQLiteErrMsg(rc));
            qWarning().noquote() << QStringLiteral("Query: %1").arg(sql);
            qWarning().noquote() << QStringLiteral("Params:");
            for (const QString& p : params)
                qWarning().noquote() << p;
            throw DBException(
                QStringLiteral("DBManager (%1) preparing statement error").arg(dbName_), reason);
        }
        statements_.insert(sql, stmt);
    }
    appendParams(params, stmt);
    return stmt;
}

void DBManager::appendParams(const QStringList& params, sqlite3_stmt* stmt) {
    sqlite3_clear_bindings(stmt);
    int position = 1;
    for (const QString& p : params) {
        const QByteArray utf8 = p.toUtf8();
        // A refused bind leaves the parameter NULL; say so rather than let a query quietly
        // match nothing.
        const int rc = sqlite3_bind_text(stmt, position, utf8.constData(),
                                         static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
        if (rc != SQLITE_OK)
            qWarning().noquote() << QStringLiteral("Binding parameter %1 failed: %2")
                                        .arg(position)
                                        .arg(getSQLiteErrMsg(rc));
        ++position;
    }
}

QList<QStringList> DBManager::select(const QStringList& columns, const QString& from,
                                     const QString& where, const QStringList& params) {
    QString sql = QStringLiteral("select ") + columns.join(QStringLiteral(", ")) +
                  QStringLiteral(" from ") + from;
    if (!where.isEmpty())
        sql += QStringLiteral(" where ") + where;
    sqlite3_stmt* stmt = prepareStmt(sql, params);
    QList<QStringList> rows;
    const int count = static_cast<int>(columns.size());
    while (sqlStep(stmt) == SQLITE_ROW) {
        QStringList row;
        row.reserve(count);
        for (int i = 0; i < count; ++i)
            row.append(getTextCol(stmt, i));
        rows.append(row);
    }
    reset(stmt);
    return rows;
}

QStringList DBManager::selectField(const QString& column, const QString& from, const QString& where,
                                   const QStringList& params) {
    QStringList values;
    const QList<QStringList> rows = select({column}, from, where, params);
    for (const QStringList& row : rows)
        values.append(row.value(0));
    return values;
}

int DBManager::executeImmediate(const QString& sql, const QStringList& params) {
    sqlite3_stmt* stmt = prepareStmt(sql, params);
    executeImmediate(stmt);
    reset(stmt);
    return sqlite3_changes(db_.get());
}

int DBManager::executeIntScalar(const QString& sql, const QStringList& params) {
    sqlite3_stmt* stmt = prepareStmt(sql, params);
    const int value = nextStep(stmt) ? getIntCol(stmt, 0) : kNoRow;
    reset(stmt);
    return value;
}

qint64 DBManager::insertStmt(const QString& sql, const QStringList& params) {
    executeImmediate(sql, params);
    return sqlite3_last_insert_rowid(db_.get());
}

qint64 DBManager::insertStmt(sqlite3_stmt* stmt) {
    const int rc = sqlStep(stmt);
    reset(stmt);
    if (rc == SQLITE_DONE)
        return sqlite3_last_insert_rowid(sqlite3_db_handle(stmt));
    qWarning().noquote() << getSQLiteErrMsg(rc);
    return -1;
}

void DBManager::inTransaction(const std::function<void()>& writes) {
    executeImmediate(QStringLiteral("begin immediate"), {});
    try {
        writes();
        executeImmediate(QStringLiteral("commit"), {});
    } catch (...) {
        if (!sqlite3_get_autocommit(db_.get()))
            sqlite3_exec(db_.get(), "rollback", nullptr, nullptr, nullptr);
        throw;
    }
}

int DBManager::sqlStep(sqlite3_stmt* stmt) {
    const int rc = sqlite3_step(stmt);
    if (rc == SQLITE_ROW || rc == SQLITE_DONE)
        return rc;
    const QString reason = errorText(sqlite3_db_handle(stmt), rc);
    sqlite3_reset(stmt);
    throw DBException(QStringLiteral("DBManager step error"), reason);
}

bool DBManager::nextStep(sqlite3_stmt* stmt) {
    return sqlStep(stmt) == SQLITE_ROW;
}

void DBManager::executeImmediate(sqlite3_stmt* stmt) {
    const int rc = sqlStep(stmt);
    if (rc != SQLITE_DONE)
        qWarning().noquote() << getSQLiteErrMsg(rc);
}

void DBManager::reset(sqlite3_stmt* stmt) {
    // The step already reported any failure; the reset only repeats its code.
    sqlite3_reset(stmt);
}

QString DBManager::getTextCol(sqlite3_stmt* stmt, int colIdx) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, colIdx));
    if (!text)
        return QStringLiteral("");
    return QString::fromUtf8(text, sqlite3_column_bytes(stmt, colIdx));
}

QByteArrayView DBManager::getUtf8Col(sqlite3_stmt* stmt, int colIdx) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, colIdx));
    if (!text)
        return {};
    return QByteArrayView(text, sqlite3_column_bytes(stmt, colIdx));
}

int DBManager::getIntCol(sqlite3_stmt* stmt, int colIdx) {
    return sqlite3_column_int(stmt, colIdx);
}

qint64 DBManager::getLongCol(sqlite3_stmt* stmt, int colIdx) {
    return sqlite3_column_int64(stmt, colIdx);
}

double DBManager::getDoubleCol(sqlite3_stmt* stmt, int colIdx) {
    return sqlite3_column_double(stmt, colIdx);
}

QDateTime DBManager::getDateAsStrCol(sqlite3_stmt* stmt, int colIdx) {
    const QString text = getTextCol(stmt, colIdx);
    if (text.isEmpty())
        return QDateTime();
    QDateTime date = QDateTime::fromString(text, kStoredDatePattern);
    if (!date.isValid())
        date = QDateTime::fromString(text, kShortDatePattern);
    return date;
}

QString DBManager::dateAsString(const QDateTime& date) {
    if (!date.isValid())
        return QString();
    return date.toLocalTime().toString(kStoredDatePattern);
}

QString DBManager::getSQLiteErrMsg(int code) {
    static const std::array<const char*, 27> texts = {
        nullptr,
        "SQL error or missing database",
        "NOT USED. Internal logic error in SQLite",
        "Access permission denied",
        "Callback routine requested an abort",
        "The database file is locked",
        "A table in the database is locked",
        "A malloc() failed",
        "Attempt to write a readonly database",
        "Operation terminated by sqlite3_interrupt()",
        "Some kind of disk I/O error occurred",
        "The database disk image is malformed",
        "NOT USED. Table or record not found",
        "Insertion failed because database is full",
        "Unable to open the database file",
        "NOT USED. Database lock protocol error",
        "Database is empty",
        "The database schema changed",
        "String or BLOB exceeds size limit",
        "Abort due to contraint violation",
        "Data type mismatch",
        "Library used incorrectly",
        "Uses OS features not supported on host",
        "Authorization denied",
        "Auxiliary database format error",
        "2nd parameter to sqlite3_bind out of range",
        "File opened that is not a database file",
    };
    if (code >= 1 && code < static_cast<int>(texts.size()))
        return QString::fromLatin1(texts[static_cast<size_t>(code)]);
    return QStringLiteral("Unhandled SQLite error code %1").arg(code);
}
