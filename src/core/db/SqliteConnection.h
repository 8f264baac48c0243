#pragma once

#include <QString>
#include <QStringList>
#include <memory>

struct sqlite3;

// A connection of its own to one SQLite file, for work on the file as a whole (carrying rows
// into a new version, copying it into a backup, checking it) beside the DBManager handles the
// screens use. Every failure raises DBException with the name given at opening and SQLite's
// own words.
class SqliteConnection {
public:
    enum class Mode { ReadOnly, ReadWrite, Create };

    SqliteConnection(const QString& path, Mode mode, QString failureName);
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    sqlite3* handle() const { return db_.get(); }
    // Runs statements without parameters.
    void exec(const QString& sql);
    // The first column of every row of one statement, its parameters bound as text.
    QStringList column(const QString& sql, const QStringList& params = {});
    bool hasTable(const QString& table);
    // What SQLite finds wrong with the file; empty when it is sound.
    QString integrityProblem();
    // Makes this database a page-for-page copy of the source with the online backup API: one
    // transaction that sees the source as it stood at one moment, whoever writes to it.
    void copyFrom(const SqliteConnection& source);
    // The number of rows changed by the last statement.
    int changes() const;

    [[noreturn]] void fail() const;
    [[noreturn]] void fail(const QString& reason) const;

private:
    struct Closer {
        void operator()(sqlite3* db) const;
    };

    std::unique_ptr<sqlite3, Closer> db_;
    QString failureName_;
};
