#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// The day of a stored diary row. The day lists read datetime(date, 'start of day', 'localtime'):
// the stored calendar date taken as UTC midnight and shown in local time, which in a zone west of
// Greenwich falls on the evening before. This finds the calendar date again from that text, so an
// entry comes back on the day it was saved for in every zone and season.
class DiaryRowDay {
public:
    // Local midnight (or the first moment after it) of the stored date; no date when the text
    // cannot be read.
    QDateTime dayFromShiftedStart(const QString& text);

    // The calendar date whose UTC midnight reads as the text in local time; invalid when none.
    static QDate storedDate(const QString& text);

private:
    // Rows come ordered by day, so most rows repeat the previous text.
    QString lastText_;
    QDateTime lastDay_;
};
