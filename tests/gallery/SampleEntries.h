#pragma once

#include "support/DiaryEntries.h"

#include "core/catalogue/FoodSimpleDbo.h"

// Catalogue entries of the sample diaries, saved the way the entry screens save them.
namespace gallery {

// The first catalogue food whose name holds the words (as the search reads them); none has id 0.
FoodSimpleDbo firstFood(const QString& words);
// Portions of that food at a meal of the day, changed by hand by the extra amounts; null when
// the catalogue has no such food.
SavedFoodPtr ate(const QString& words, const QDateTime& day, int meal, float portions,
                 float extraCalories = 0, float extraPoints = 0);
// A catalogue exercise done for the minutes at an intensity by a man of 80 kg, its calories
// changed by hand by the extra amount.
SavedExercisePtr exercised(int id, const QDateTime& day, int minutes, int intensity = 0,
                           float extraCalories = 0);

} // namespace gallery
