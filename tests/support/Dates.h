#pragma once

#include <QDateTime>

// A wall-clock time in the zone the case has set: midnight of the day unless an hour is given.
inline QDateTime at(int y, int m, int d, int h = 0, int min = 0, int s = 0) {
    return QDateTime(QDate(y, m, d), QTime(h, min, s));
}
