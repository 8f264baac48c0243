#include "ui/ImageView.h"

#include "ui/ImgUtil.h"

#include <QPainter>

namespace ui {

ImageView::ImageView(QWidget* parent) : QWidget(parent) {}

ImageView::ImageView(const QString& imageName, QWidget* parent) : QWidget(parent) {
    setImage(ImgUtil::image(imageName));
}

void ImageView::setImage(const QPixmap& image) {
    plain_ = image;
    stretch_ = {};
    update();
}

void ImageView::setImage(const StretchableImage& image) {
    stretch_ = image;
    plain_ = {};
    update();
}

void ImageView::setAlpha(qreal alpha) {
    alpha_ = std::clamp<qreal>(alpha, 0, 1);
    update();
}

void ImageView::paintEvent(QPaintEvent*) {
    if (plain_.isNull() && stretch_.isNull())
        return;
    QPainter p(this);
    p.setOpacity(alpha_);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!plain_.isNull())
        p.drawPixmap(QRectF(rect()), plain_, QRectF(plain_.rect()));
    else
        stretch_.draw(p, QRectF(rect()));
}

} // namespace ui
