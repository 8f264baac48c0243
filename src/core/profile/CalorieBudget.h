#pragma once

#include <QString>

// The daily calorie allowance worked out from the profile settings, the user's adjustment on
// top of it, the days to the goal weight and the texts the profile screens show for them.
// Arithmetic follows the written order and widths (32-bit floats, the basal rate in doubles)
// so that the stored allowance is the same to the last digit everywhere.
class CalorieBudget {
public:
    // Basal rate from sex, start weight, height and age.
    static float basalRate();
    // Basal rate scaled by the activity level.
    static float activeRate();
    // Active rate less 1100 calories a day for each kilogram a week of planned loss.
    static float allowance();

    // Stores the allowance; drops the adjustment when the allowance moves by a calorie or
    // more. Returns the allowance.
    static float calcCalories();
    // What the allowance editor saves: a total and the part of it that is the adjustment.
    static void storeAllowance(float total, float adjustment);
    // Allowance plus adjustment (absent allowance reads 500, absent adjustment 0).
    static float effectiveAllowance();
    static float adjustment();

    // Whole days to the goal weight at the planned rate; 0 without a plan.
    static float calcDuration();
    // "154.00 days", or "- days" without a plan.
    static QString durationText();

    // The plan in the user's weight unit: "Lose 1.00 lb/week" or "No Diet Plan".
    static QString planTextForProfile();
    static QString planTextForEditor();
    // "1588", or with an adjustment "1788/+200" and "1388/-200".
    static QString allowanceText();

private:
    static float planInDisplayUnit();
};
