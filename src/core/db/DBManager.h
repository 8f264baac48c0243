#pragma once

#include <QByteArrayView>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

// One SQLite file: keeps a writable copy in the data directory, opens it, prepares every
// distinct SQL text once and reuses it, binds every parameter as UTF-8 text.
// Failures raise DBException with a name and a reason.
class DBManager {
public:
    // What a changed version does to a copy that already exists.
    enum class ReloadPolicy {
        Replace,   // catalogues: the shipped file simply replaces the copy
        CarryRows, // diaries: the rows move into the new file and the old copy is kept as a backup
    };

    static constexpr int kNoRow = -9999;

    DBManager();
    ~DBManager();
    DBManager(const DBManager&) = delete;
    DBManager& operator=(const DBManager&) = delete;

    // Opening sets dbName and opens; a failure raises and leaves no connection.
    void initVersion(const QString& version, const QString& fileName, const QString& keySuffix);
    static QString pathToDBWithName(const QString& name);
    void closeDb();

    void setReloadPolicy(ReloadPolicy policy) { reloadPolicy_ = policy; }
    const QString& dbName() const { return dbName_; }

    // Statements. The returned statement is shared by every user of the same text and must be
    // finished and reset before the same text is prepared again.
    sqlite3_stmt* prepareStmt(const QString& sql, const QStringList& params = {});
    static void appendParams(const QStringList& params, sqlite3_stmt* stmt);
    QList<QStringList> select(const QStringList& columns, const QString& from,
                              const QString& where = {}, const QStringList& params = {});
    QStringList selectField(const QString& column, const QString& from, const QString& where = {},
                            const QStringList& params = {});
    // Runs one statement; the number of rows it inserted, changed or deleted.
    int executeImmediate(const QString& sql, const QStringList& params);
    int executeIntScalar(const QString& sql, const QStringList& params = {});
    qint64 insertStmt(const QString& sql, const QStringList& params);
    qint64 insertStmt(sqlite3_stmt* stmt);
    // Runs several writes as one: all of them are stored, or, when one fails, none is and the
    // failure is thrown on.
    void inTransaction(const std::function<void()>& writes);

    // Stepping and columns.
    static int sqlStep(sqlite3_stmt* stmt);
    static bool nextStep(sqlite3_stmt* stmt);
    static void executeImmediate(sqlite3_stmt* stmt);
    static void reset(sqlite3_stmt* stmt);
    static QString getTextCol(sqlite3_stmt* stmt, int colIdx);
    // The column's UTF-8 text without a copy: valid until the statement steps or resets.
    static QByteArrayView getUtf8Col(sqlite3_stmt* stmt, int colIdx);
    static int getIntCol(sqlite3_stmt* stmt, int colIdx);
    static qint64 getLongCol(sqlite3_stmt* stmt, int colIdx);
    static double getDoubleCol(sqlite3_stmt* stmt, int colIdx);
    static QDateTime getDateAsStrCol(sqlite3_stmt* stmt, int colIdx);
    static QString dateAsString(const QDateTime& date);
    static QString getSQLiteErrMsg(int code);

private:
    // Ensures the writable copy (copied again when reload is set) and opens it.
    void initOrCreate(bool reload);
    // Opens the file at the path; a failure raises.
    void initDatabase(const QString& path);

    struct Closer {
        void operator()(sqlite3* db) const;
    };

    void installShipped(const QString& shipped, const QString& path) const;
    void setAsideEmpty(const QString& path);
    void carryRows(const QString& shipped, const QString& path);
    void openCatalogue(const QString& shipped, const QString& path);
    // Why the open catalogue cannot serve (SQLite's verdict, or that it has no tables); empty
    // when it can.
    QString catalogueProblem();

    QString dbName_;
    std::unique_ptr<sqlite3, Closer> db_;
    QHash<QString, sqlite3_stmt*> statements_;
    ReloadPolicy reloadPolicy_ = ReloadPolicy::Replace;
};
