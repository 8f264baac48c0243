#include "core/diary/DeviationText.h"

#include <QRegularExpression>
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

float DeviationText::valueOf(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^[+-]?\\d+(\\.\\d+)?"));
    const QRegularExpressionMatch match = number.match(text.mid(1));
    return match.hasMatch() ? match.captured().toFloat() : 0.0f;
}
