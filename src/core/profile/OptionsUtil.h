#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// The profile values with their defaults, and the unit conversions of the profile screens.
// Weights in grams and heights in centimetres unless said otherwise; all arithmetic in 32-bit
// floats in the order written.
class OptionsUtil {
public:
    // The float under the key; absent reads 50000 g.
    static float getWeightValue(const QString& key);
    // The float under the key; absent reads 170 cm.
    static float getHeightValue(const QString& key);
    // The stored plan (kilograms per week) as a float; absent reads 0.
    static float getIntensityValue(const QString& key);
    // "QVAllowedCalories"; absent reads 500.
    static float getAllowedCalories();
    // The stored date; absent reads today 25 years back at 00:00 (28 February for 29 February).
    static QDateTime getDatebirth(const QString& key);
    // Whole years from the stored birth date to today; the key is not used.
    static float getAgeValue(const QString& key);
    static const QStringList& getActivityValues();
    // "QVStartActivity" as an index into getActivityValues(); a value no editor writes
    // (absent, not a number, out of range) reads as the first level.
    static int getActivityIndex();

    // Grams to kilograms, or to pounds.
    static float getWeight(float grams, bool usePound);
    // Kilograms to the display unit.
    static float getGramm(float kilograms, bool usePound);
    static QString weightUnitName(bool usePound);
    // Centimetres to inches (x 0.39), or unchanged.
    static float getHeight(float centimetres, bool useInch);
    // Integer conversions that map the ends of the pickers onto each other (60..250 cm,
    // 24..97 in), so a height stays inside both.
    static int toInches(int centimetres);
    static int toCm(int inches);
    static bool isInCm();
};
