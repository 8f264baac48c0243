#include "screens/common/WheelRowLabel.h"

#include "ui/Metrics.h"
#include "ui/controls/ControlImages.h"

#include <QPainter>

WheelRowLabel::WheelRowLabel(const QString& text, bool enabled, QWidget* parent)
    : QWidget(parent), text_(text), enabled_(enabled) {
    resize(70, 40);
    setFont(ui::Metrics::resized(font(), 22, true));
}

void WheelRowLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QBrush ink =
        enabled_ ? ControlImages::pattern(QStringLiteral("font_bg.png")) : QBrush(Qt::gray);
    p.setPen(QPen(ink, 1));
    p.drawText(rect(), Qt::AlignCenter, text_);
}
