#pragma once

#include <QString>
#include <QStringList>

// Moves what the user recorded from a previous copy of a diary file into a freshly shipped one:
// every table both files have, by the columns both tables have. A column the new table lacks is
// dropped; a column only the new table has takes its default. All or nothing.
class UserDataMigration {
public:
    struct Report {
        int rows = 0;
        // Rows of the previous copy that the new file does not hold: tables the new file lacks,
        // or rows a new constraint refused.
        int missing = 0;
        // Human-readable lines for the log: rows per table, dropped columns, tables left behind.
        QStringList lines;
    };

    // Raises DBException when the copy fails; the new file is then left unchanged.
    static Report carry(const QString& newPath, const QString& previousPath);
};
