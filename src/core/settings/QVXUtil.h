#pragma once

#include "core/base/QVColor.h"

#include <QString>

// Weight conversions between grams and pounds, the weight unit choice and the tint colour.
class QVXUtil {
public:
    // Pounds to grams: value x 1000 x 0.453592; unchanged otherwise.
    static float weight(float value, bool usePound);
    // Grams to pounds: value / 453.592; unchanged otherwise.
    static float getGramm(float value, bool usePound);
    static QString weightUnitName(bool usePound);
    // The stored choice; absent reads its default ("QVWeight": pounds).
    static bool getWeightUnit(const QString& key);
    static QVColor appTintColor();
};
