#pragma once

#include "ui/StretchableImage.h"

#include <QPixmap>
#include <QWidget>

namespace ui {

// Shows an image filling its bounds (stretched, or nine-patch for a stretchable image); other
// widgets may sit on it. Alpha fades the image only, never the widgets on top.
class ImageView : public QWidget {
    Q_OBJECT
public:
    explicit ImageView(QWidget* parent = nullptr);
    // The named image from the resource folder.
    explicit ImageView(const QString& imageName, QWidget* parent = nullptr);

    void setImage(const QPixmap& image);
    void setImage(const StretchableImage& image);
    QPixmap image() const { return plain_.isNull() ? stretch_.pixmap() : plain_; }
    void setAlpha(qreal alpha);
    qreal alpha() const { return alpha_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap plain_;
    StretchableImage stretch_;
    qreal alpha_ = 1;
};

} // namespace ui
