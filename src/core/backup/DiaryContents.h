#pragma once

#include <QDate>
#include <QJsonObject>
#include <QString>
#include <QStringList>

// What a diary holds, told the way the backup list shows it: "1,204 food entries,
// 96 exercises, 310 weighings, last entry 2 March 2027".
class DiaryContents {
public:
    int food = 0;
    int exercises = 0;
    int weighings = 0;
    // The day of the latest entry of any kind; invalid when there is none.
    QDate lastEntry;

    // Counts the rows of the two diary files (a file or table that is not there counts none).
    static DiaryContents read(const QString& commonPath, const QString& weightPath);
    QString text() const;
    // Counts only: "3 food entries, 2 exercises and 1 weighing".
    QString countsText() const;

    QJsonObject toJson() const;
    static DiaryContents fromJson(const QJsonObject& json);

private:
    QStringList counts() const;
};
