#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>
#include <memory>
#include <unordered_map>

struct sqlite3;
struct sqlite3_stmt;

// A database file being written from scratch. Every SQLite failure throws std::runtime_error
// carrying SQLite's own message, so a broken build stops instead of shipping a partial file.
class SqliteFile {
public:
    // Creates (or truncates) the file at `path`.
    explicit SqliteFile(const QString& path);
    ~SqliteFile();
    SqliteFile(const SqliteFile&) = delete;
    SqliteFile& operator=(const SqliteFile&) = delete;

    // Runs one or more statements without parameters.
    void exec(const QString& sql);
    // Runs one statement with the values bound by position: a null QVariant binds NULL,
    // whole numbers bind as integers, other numbers as reals, everything else as text.
    // The prepared statement is kept for the next call with the same text.
    void run(const QString& sql, const QVariantList& values);
    // Commits and closes; throws when that fails. The destructor only closes.
    void close();

private:
    [[noreturn]] void fail(const QString& what) const;
    sqlite3_stmt* statement(const QString& sql);

    struct Closer {
        void operator()(sqlite3* db) const;
    };
    struct Finalizer {
        void operator()(sqlite3_stmt* stmt) const;
    };
    QString path_;
    std::unique_ptr<sqlite3, Closer> db_;
    std::unordered_map<std::string, std::unique_ptr<sqlite3_stmt, Finalizer>> statements_;
};
