#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A button that is only an image: stretched over the whole button (a background) or centred at
// its own size. A pressed button shows the same image dimmed, as a highlighted state.
class ImageButton : public QAbstractButton {
    Q_OBJECT
public:
    enum class Fit { Stretch, Centre };

    explicit ImageButton(const QPixmap& image, Fit fit = Fit::Stretch, QWidget* parent = nullptr);

    QPixmap image() const { return image_; }
    void setImage(const QPixmap& image);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap image_;
    Fit fit_;
};
