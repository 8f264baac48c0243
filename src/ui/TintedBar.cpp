#include "ui/TintedBar.h"

#include "ui/BarPainter.h"

#include <QPainter>

namespace ui {

TintedBar::TintedBar(QWidget* parent) : QWidget(parent) {
    resize(Metrics::ScreenWidth, kHeight);
}

void TintedBar::setTintColor(const QColor& tint) {
    tint_ = tint;
    tintChanged();
    update();
}

void TintedBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    BarPainter::paintBar(p, rect(), tint_);
}

} // namespace ui
