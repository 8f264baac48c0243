#include "ui/controls/PixmapView.h"

#include <QPainter>

PixmapView::PixmapView(const QPixmap& pixmap, QWidget* parent) : QWidget(parent), pixmap_(pixmap) {}

void PixmapView::setPixmap(const QPixmap& pixmap) {
    pixmap_ = pixmap;
    update();
}

void PixmapView::setOpacity(qreal opacity) {
    opacity_ = opacity;
    update();
}

void PixmapView::paintEvent(QPaintEvent*) {
    if (pixmap_.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setOpacity(opacity_);
    painter.drawPixmap(rect(), pixmap_);
}
