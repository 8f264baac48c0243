#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <vector>

struct sqlite3;

// A shipped database opened with the bare SQLite interface, so the checks see the files exactly
// as built, not through the application's own manager. Failures throw std::runtime_error.
class RawDatabase {
public:
    // Opens a file of the built resource directory ("food.db"), read-only.
    static RawDatabase shipped(const QString& name);

    using Row = std::vector<QVariant>;
    // Runs one statement with every parameter bound as text, the way the application binds.
    // Column values come back typed: qint64, double, QString or a null QVariant.
    std::vector<Row> rows(const QString& sql, const QStringList& params = {}) const;
    QVariant scalar(const QString& sql, const QStringList& params = {}) const;
    // Declared type of each column of a table, in column order, as "name TYPE", with
    // " PRIMARY KEY" after the row id column.
    QStringList declaredColumns(const QString& table) const;

private:
    RawDatabase(const QString& path, int flags);
    struct Closer {
        void operator()(sqlite3* db) const;
    };
    std::shared_ptr<sqlite3> db_;
};
