#include "core/diary/DeviationText.h"

#include <cmath>

void DeviationText::update(double deviation, double threshold, int decimals) {
    if (!(std::fabs(deviation) >= threshold)) {
        text_.clear();
        return;
    }
    const bool more = deviation > 0;
    color_ = more ? kMoreColor : kLessColor;
    text_ = QString::asprintf("(%s%.*f)", more ? "+" : "", decimals, deviation);
}
