#pragma once

#include "core/diary/SavedExerciseDbo.h"
#include "core/diary/SavedFoodDbo.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

// Diary entries made the way the entry screens make them, not yet saved: save them with
// saved(...) or entry->save().

// Calories without a catalogue item, at a meal (0..3) of the day.
SavedFoodPtr speedyFood(const QDateTime& day, int meal, float calories,
                        const QString& name = QStringLiteral("Snack"));
// Portions of a catalogue food: the whole calories of one serving times the portions and the
// standard points, each changed by hand by the extra amounts.
SavedFoodPtr catalogueFood(int itemId, const QDateTime& day, int meal, float portions,
                           float extraCalories = 0, float extraPoints = 0);
// A catalogue exercise (in its catalogue category) done for the minutes at the burn rate.
SavedExercisePtr exerciseEntry(int itemId, const QDateTime& day, int minutes, float burnRate,
                               float calories);
// Calories burned without a catalogue exercise.
SavedExercisePtr speedyExercise(const QDateTime& day, float calories,
                                const QString& name = QStringLiteral("Walk"));

template <class Entry> Entry saved(Entry entry) {
    entry->save();
    return entry;
}

// Rows written straight into the diary with the date text given ("2026-12-06 00:00:00"), as
// earlier versions or a hand edit left them; write them before the day lists are first read.
void storeFood(const QString& dateText, int meal, float calories, int itemId = 0,
               const QString& name = QStringLiteral("Snack"));
void storeExercise(const QString& dateText, int itemId, float calories,
                   const QString& name = QStringLiteral("Walk"));

// A weighing stored as the weight editor stores it (seconds, kilograms as text); its row id.
qint64 weigh(const QDateTime& at, const QString& kilos, const QString& note = {});

// The days of a food or exercise day list as ISO dates ("2026-12-06").
template <class DayList> QStringList daysOf(const DayList& list) {
    QStringList days;
    for (const auto& day : list)
        days.append(day->date().date().toString(Qt::ISODate));
    return days;
}

// The first row of a query on the user's diary file, as SQLite prints it.
QString diary(const QString& sql);
