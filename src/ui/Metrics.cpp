#include "ui/Metrics.h"

#include "core/settings/QVXUtil.h"

namespace ui {

QColor Metrics::tintColor() {
    const QVColor c = QVXUtil::appTintColor();
    return QColor(c.r, c.g, c.b, qRound(c.a * 255));
}

} // namespace ui
