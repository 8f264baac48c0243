#pragma once

#include "core/weight/WeightTrend.h"

#include <QString>
#include <optional>

// The texts under the trend chart, in the display unit (pounds or kilograms).
class WeightTrendTexts {
public:
    // Kilograms in the display unit.
    static double shown(double kilograms, bool pounds);
    // "-0.42 kg/week"; " - " without a rate.
    static QString rate(std::optional<double> kilogramsPerWeek, bool pounds);
    // The day the goal is reached in the long date style, "at your goal", "not at this rate",
    // or " - " when the rate is not known yet.
    static QString goal(const WeightTrend::GoalForecast& forecast);
};
