#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// A database file opened with the bare SQLite interface, past the code under test: to see files
// exactly as they were built or written, and to prepare files before the code reads them.
// Every parameter is bound as text, the way the application binds. Failures throw
// std::runtime_error with SQLite's message, which fails the case.
class RawDatabase {
public:
    // A file of the built resource directory ("food.db"), read-only.
    static RawDatabase shipped(const QString& name);
    // The user's copy of a database in the data directory. A copy not yet put in place by the
    // application's first use reads as empty, as its diary would.
    static RawDatabase user(const QString& name);
    // Any file, created when it does not exist.
    static RawDatabase file(const QString& path);

    // Runs one or more statements in one transaction (one file sync, not one a statement).
    void exec(const QString& script) const;

    using Row = std::vector<QVariant>;
    // Column values come back typed: qint64, double, QString or a null QVariant.
    std::vector<Row> rows(const QString& sql, const QStringList& params = {}) const;
    QVariant scalar(const QString& sql, const QStringList& params = {}) const;
    // Each row's columns as SQLite prints them ("300.0" for a real), joined with "|".
    QStringList lines(const QString& sql, const QStringList& params = {}) const;
    // The first of lines(), "" without a row.
    QString text(const QString& sql, const QStringList& params = {}) const;
    int count(const QString& table, const QString& where = QStringLiteral("1")) const;
    // Holds the file's write lock, as another program in the middle of a write would, until the
    // returned guard goes: readers go on, every other writer is refused as busy.
    std::shared_ptr<void> lockWrites() const;

private:
    RawDatabase(const QString& path, int flags);
    RawDatabase() = default;
    void each(const QString& sql, const QStringList& params,
              const std::function<void(sqlite3_stmt*)>& row) const;
    [[noreturn]] void fail(const QString& what) const;

    QString path_;
    std::shared_ptr<sqlite3> db_;
};
