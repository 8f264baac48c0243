#pragma once

#include <QString>

// What each numeric setting can hold. A stored number outside its key's range, or no number at
// all (NaN, infinity), comes from a damaged or hand-edited file: it is read as the key's default
// rather than shown as "nan" or carried into the allowance.
class SettingLimits {
public:
    // Keys without a range of their own take any finite number.
    static bool accepts(const QString& key, double value);
};
