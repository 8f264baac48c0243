#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

// A CSV file with a header row, read whole. Fields may be quoted ("a, b", "say ""hi""").
// Every row must have as many fields as the header; anything else is an error naming the line.
class CsvTable {
public:
    // Throws std::runtime_error with the file name and line on any fault.
    static CsvTable read(const QString& path);
    static CsvTable parse(const QString& text, const QString& sourceName);

    int rowCount() const { return static_cast<int>(rows_.size()); }
    // The field of a row by column name; throws when the table has no such column.
    QString field(int row, const QString& column) const;
    // The field read as a number; empty gives `empty`, anything unreadable throws.
    double number(int row, const QString& column, double empty) const;
    int integer(int row, const QString& column) const;
    bool isEmpty(int row, const QString& column) const { return field(row, column).isEmpty(); }
    // "file:line" of a data row, for messages.
    QString where(int row) const;

private:
    int columnIndex(const QString& column) const;

    QString source_;
    QHash<QString, int> columns_;
    std::vector<QStringList> rows_;
    std::vector<int> lines_;
};
