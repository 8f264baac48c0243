#include "screens/food/Details/PortionWheels.h"

#include <cmath>

const QStringList& PortionWheels::portions() {
    static const QStringList rows = {"-", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
    return rows;
}

const QStringList& PortionWheels::portionsParts() {
    static const QStringList rows = {"-",   "1/16", "1/8", "1/4", "1/3",
                                     "3/8", "1/2",  "5/8", "3/4", "7/8"};
    return rows;
}

double PortionWheels::fractionValue(const QString& text) {
    const qsizetype slash = text.indexOf('/');
    if (slash <= 0)
        return 0;
    bool numOk = false;
    bool denOk = false;
    const double num = text.left(slash).toDouble(&numOk);
    const double den = text.mid(slash + 1).toDouble(&denOk);
    if (!numOk || !denOk || den == 0)
        return 0;
    return num / den;
}

float PortionWheels::portionCount(int wholeRow, int partRow) {
    const QStringList& parts = portionsParts();
    const double fraction =
        partRow >= 0 && partRow < parts.size() ? fractionValue(parts[partRow]) : 0;
    return static_cast<float>(std::max(wholeRow, 0) + fraction);
}

int PortionWheels::wholeRowFor(float count) {
    if (!(count > 0))
        return 0;
    const int last = int(portions().size()) - 1;
    return std::min(static_cast<int>(std::floor(count)), last);
}

int PortionWheels::partRowFor(float count) {
    if (!(count > 0))
        return 0;
    const double rest = double(count) - std::floor(double(count));
    const QStringList& parts = portionsParts();
    int best = 0;
    double bestGap = rest;
    for (int row = 1; row < parts.size(); ++row) {
        const double gap = std::abs(fractionValue(parts[row]) - rest);
        if (gap < bestGap) {
            best = row;
            bestGap = gap;
        }
    }
    return best;
}
