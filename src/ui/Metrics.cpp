#include "ui/Metrics.h"

#include "core/settings/QVXUtil.h"

namespace ui {

QColor Metrics::tintColor() {
    return colorOf(QVXUtil::appTintColor());
}

QFont Metrics::resized(QFont font, int pointSize, bool bold) {
    font.setPixelSize(pointSize);
    font.setBold(bold);
    return font;
}

QColor Metrics::colorOf(const QVColor& color) {
    return QColor(color.r, color.g, color.b, qRound(color.a * 255));
}

} // namespace ui
