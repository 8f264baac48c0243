#include "core/settings/SettingLimits.h"

#include "core/settings/SettingsKeys.h"

#include <cmath>

namespace {

struct Range {
    const char* key;
    double low;
    double high;
};

// Wider than the editors offer, so that no value a user could have chosen is lost.
constexpr Range kRanges[] = {
    {SettingsKeys::height, 10, 300},               // centimetres; the editor offers 60 to 250
    {SettingsKeys::startWeight, 1000, 1000000},    // grams; the editor offers 30 to 300.9 kg
    {SettingsKeys::goalWeight, 1000, 1000000},     //
    {SettingsKeys::activity, 0, 4},                // index of one of the five levels
    {SettingsKeys::intensity, 0, 10},              // kilograms a week; the editor offers up to 1
    {SettingsKeys::allowedCalories, -1e5, 1e5},    // calories a day
    {SettingsKeys::allowedCaloriesAdd, -1e5, 1e5}, //
};

} // namespace

bool SettingLimits::accepts(const QString& key, double value) {
    if (!std::isfinite(value))
        return false;
    for (const Range& range : kRanges)
        if (key == QLatin1String(range.key))
            return value >= range.low && value <= range.high;
    return true;
}
