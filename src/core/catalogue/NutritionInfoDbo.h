#pragma once

#include <QString>
#include <optional>

// The nutrition values of one serving of one food item.
class NutritionInfoDbo {
public:
    int food_id = 0;
    float servingSize = 0.0f; // grams
    float calories = 0.0f;
    float totalFat = 0.0f;
    float cholesterol = 0.0f;
    float sodium = 0.0f;
    float protein = 0.0f;
    float calcium = 0.0f;
    float iron = 0.0f;
    float fiber = 0.0f;
    float carb = 0.0f;
    float points = 0.0f;
    QString serving;

    // Read at most once per item per process; no row gives none and caches nothing.
    static std::optional<NutritionInfoDbo> getInfoTo(int foodItemId);
};
