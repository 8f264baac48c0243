#include "ui/controls/ImageButton.h"

#include <QPainter>

ImageButton::ImageButton(const QPixmap& image, Fit fit, QWidget* parent)
    : QAbstractButton(parent), image_(image), fit_(fit) {
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

void ImageButton::setImage(const QPixmap& image) {
    image_ = image;
    update();
}

QSize ImageButton::sizeHint() const {
    if (image_.isNull())
        return {44, 44};
    return image_.deviceIndependentSize().toSize();
}

void ImageButton::paintEvent(QPaintEvent*) {
    if (image_.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (isDown())
        painter.setOpacity(0.55);
    if (fit_ == Fit::Stretch) {
        painter.drawPixmap(rect(), image_);
        return;
    }
    const QSize size = image_.deviceIndependentSize().toSize();
    const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    painter.drawPixmap(target, image_);
}
