#include "ui/StretchableImage.h"

#include <QPainter>
#include <algorithm>

namespace ui {

StretchableImage::StretchableImage(const QPixmap& pixmap, int leftCap, int topCap)
    : pixmap_(pixmap), left_(std::max(0, leftCap)), top_(std::max(0, topCap)) {}

QSizeF StretchableImage::size() const {
    return pixmap_.deviceIndependentSize();
}

void StretchableImage::draw(QPainter& painter, const QRectF& target) const {
    if (pixmap_.isNull() || target.isEmpty())
        return;
    const qreal ratio = pixmap_.devicePixelRatio();
    const QSizeF s = size();
    // A zero cap means that direction stretches as a whole, as a plain scaled image would.
    const qreal l = left_ > 0 ? std::min<qreal>(left_, s.width()) : 0;
    const qreal r = left_ > 0 ? std::max<qreal>(0, s.width() - l - 1) : 0;
    const qreal t = top_ > 0 ? std::min<qreal>(top_, s.height()) : 0;
    const qreal b = top_ > 0 ? std::max<qreal>(0, s.height() - t - 1) : 0;
    // Caps shrink evenly when the target is smaller than they are.
    const qreal fx = std::min<qreal>(1, target.width() / std::max<qreal>(1e-9, l + r));
    const qreal fy = std::min<qreal>(1, target.height() / std::max<qreal>(1e-9, t + b));
    const qreal srcX[] = {0, l, s.width() - r, s.width()};
    const qreal srcY[] = {0, t, s.height() - b, s.height()};
    const qreal dstX[] = {target.left(), target.left() + l * fx, target.right() - r * fx,
                          target.right()};
    const qreal dstY[] = {target.top(), target.top() + t * fy, target.bottom() - b * fy,
                          target.bottom()};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            const QRectF dst(QPointF(dstX[j], dstY[i]), QPointF(dstX[j + 1], dstY[i + 1]));
            const QRectF src(QPointF(srcX[j] * ratio, srcY[i] * ratio),
                             QPointF(srcX[j + 1] * ratio, srcY[i + 1] * ratio));
            if (dst.width() > 0 && dst.height() > 0 && src.width() > 0 && src.height() > 0)
                painter.drawPixmap(dst, pixmap_, src);
        }
    }
}

} // namespace ui
