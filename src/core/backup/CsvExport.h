#pragma once

#include "core/backup/DiaryContents.h"

#include <QString>

// The whole diary as three CSV files in a folder, one row an entry, in day order: food.csv
// (day, meal, name, portions, calories, points), exercise.csv (day, category, name, minutes,
// calories) and weighings.csv (day, time, kilograms, note). Days are ISO dates, times 24-hour
// local times, numbers plain with a point.
class CsvExport {
public:
    static const QStringList& fileNames();
    // What was written; raises BackupFailure when a file cannot be written (files already
    // written stay).
    static DiaryContents write(const QString& dir);
};
