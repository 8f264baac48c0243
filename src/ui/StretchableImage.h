#pragma once

#include <QPixmap>
#include <QRectF>

class QPainter;

namespace ui {

// An image that stretches only its middle: the left and top caps (in points) and the same-size
// right and bottom parts keep their size; the one column and row after the caps stretch.
class StretchableImage {
public:
    StretchableImage() = default;
    StretchableImage(const QPixmap& pixmap, int leftCap, int topCap);

    bool isNull() const { return pixmap_.isNull(); }
    QPixmap pixmap() const { return pixmap_; }
    int leftCap() const { return left_; }
    int topCap() const { return top_; }
    // Size in points.
    QSizeF size() const;

    void draw(QPainter& painter, const QRectF& target) const;

private:
    QPixmap pixmap_;
    int left_ = 0;
    int top_ = 0;
};

} // namespace ui
