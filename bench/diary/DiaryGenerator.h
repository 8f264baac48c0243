#pragma once

#include <QDate>
#include <QString>
#include <QtGlobal>

// Writes a realistic, reproducible diary: food and exercise entries with their recent lists
// into common.db, weighings into weight.db. Everything already in those tables is replaced,
// so the same arguments always give the same files. The benchmarks and the gallery use it.
class DiaryGenerator {
public:
    struct Counts {
        int foods = 0;
        int exercises = 0;
        int weighings = 0;
    };

    // The user's own diary files (created from the shipped ones on first use), `years` years
    // of 365 days that end with `endDate`. Call it before the day lists are first read: they
    // are read once per process.
    static Counts fill(int years, quint32 seed, const QDate& endDate);

    // The same into the given files. Catalogue items come from the shipped food.db and
    // exercise.db when they can be read; without them every entry is a speedy one.
    static Counts fillFiles(const QString& commonPath, const QString& weightPath, int years,
                            quint32 seed, const QDate& endDate);
};
