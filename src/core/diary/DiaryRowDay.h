#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QDateTime>

// The day of a stored diary row: local midnight of the calendar date its text begins with
// ("yyyy-MM-dd HH:mm:ss", local time). The date is read from the text here rather than through
// SQLite's 'localtime', which outside 1970-2037 applies another year's daylight-saving rules
// and so put entries of those years on no day at all.
class DiaryRowDay {
public:
    // Local midnight (or the first moment after it) of the stored date, from the text's UTF-8
    // bytes; no date when the text does not begin with one.
    QDateTime dayOf(QByteArrayView text);

    // The calendar date a stored text (its UTF-8 bytes) begins with; invalid when it does not.
    static QDate storedDate(QByteArrayView text);

private:
    QByteArray lastPrefix_;
    QDateTime lastDay_;
};
