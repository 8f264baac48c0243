#include "SampleEntries.h"

#include "core/catalogue/ExerciseDbo.h"

namespace gallery {

FoodSimpleDbo firstFood(const QString& words) {
    const QList<FoodSimpleDbo> found =
        FoodSimpleDbo::searchFoodItems(words, 0, 0, 0).value("items");
    return found.isEmpty() ? FoodSimpleDbo() : found.first();
}

SavedFoodPtr ate(const QString& words, const QDateTime& day, int meal, float portions,
                 float extraCalories, float extraPoints) {
    const int id = firstFood(words).dboId;
    if (id == 0)
        return {};
    return saved(catalogueFood(id, day, meal, portions, extraCalories, extraPoints));
}

SavedExercisePtr exercised(int id, const QDateTime& day, int minutes, int intensity,
                           float extraCalories) {
    const std::optional<ExerciseDbo> item = ExerciseDbo::getExercise(id);
    const float rate = item ? float(item->mets.value(intensity).mets * 80) : 0.0f;
    return saved(exerciseEntry(id, day, minutes, rate, rate * minutes / 60 + extraCalories));
}

} // namespace gallery
