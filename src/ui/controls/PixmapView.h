#pragma once

#include <QPixmap>
#include <QWidget>

// An image stretched over the whole widget, optionally see-through; children draw over it.
class PixmapView : public QWidget {
    Q_OBJECT
public:
    explicit PixmapView(const QPixmap& pixmap, QWidget* parent = nullptr);

    QPixmap pixmap() const { return pixmap_; }
    void setPixmap(const QPixmap& pixmap);
    qreal opacity() const { return opacity_; }
    // Only the image fades; children keep their own look.
    void setOpacity(qreal opacity);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap pixmap_;
    qreal opacity_ = 1.0;
};
