#pragma once

#include <QStringList>

// The rows of the two portion wheels of the add-food screen: whole portions ("-", "1" to "10")
// and fractions of a portion ("-", "1/16" to "7/8"), and how a pair of rows reads as a number.
class PortionWheels {
public:
    static const QStringList& portions();
    static const QStringList& portionsParts();

    // "a/b" read as a divided by b; "-" (or anything else without a fraction) reads as 0.
    static double fractionValue(const QString& text);
    // The portions a pair of rows stands for: the whole row's number plus the fraction.
    static float portionCount(int wholeRow, int partRow);

    // The rows that show a stored count: the whole part (at most the last row) and the fraction
    // row nearest to what is left.
    static int wholeRowFor(float count);
    static int partRowFor(float count);
};
