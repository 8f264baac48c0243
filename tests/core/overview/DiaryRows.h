#pragma once

#include <QDateTime>
#include <QString>

// Rows written straight into the diary tables, as the entry screens would have stored them,
// before the day lists are first read.
namespace diaryrows {

QDateTime local(int y, int m, int d, int h = 0, int min = 0, int s = 0);
// A speedy food entry at local midnight of the day (meal 0 unless given).
void food(const QDate& day, const QString& calories, int meal = 0);
// A speedy exercise entry at local midnight of the day.
void exercise(const QDate& day, const QString& calories);
void weighing(const QDateTime& at, const QString& kilos);
// A row whose date text is whatever is given.
void foodWithDateText(const QString& dateText, const QString& calories);

} // namespace diaryrows
