#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// The day of a stored diary row: local midnight of the calendar date its text begins with
// ("yyyy-MM-dd HH:mm:ss", local time). The date is read from the text here rather than through
// SQLite's 'localtime', which outside 1970-2037 applies another year's daylight-saving rules
// and so put entries of those years on no day at all.
class DiaryRowDay {
public:
    // Local midnight (or the first moment after it) of the stored date; no date when the text
    // does not begin with one.
    QDateTime dayOf(const QString& text);

    // The calendar date a stored text begins with; invalid when it does not.
    static QDate storedDate(const QString& text);

private:
    QString lastPrefix_;
    QDateTime lastDay_;
};
