#pragma once

#include <QObject>
#include <QPointer>

class QScrollBar;
class QVariantAnimation;

namespace ui {

// Moves a list's content offset over time: the glide that carries on a flicked drag and the
// animated scroll to a row. With animations off (tests, the gallery) every move lands at once.
class ScrollGlide : public QObject {
    Q_OBJECT
public:
    // The bar holds the offset and its range; the glide never leaves that range.
    explicit ScrollGlide(QScrollBar* bar, QObject* parent = nullptr);

    // Carries the content on from a drag let go at the given speed, in points per second
    // (positive: further down the list).
    void flick(qreal velocity);
    // Scrolls to the offset over about ms milliseconds.
    void scrollTo(int offset, int ms);
    void stop();

private:
    QScrollBar* bar_;
    QPointer<QVariantAnimation> animation_;
};

} // namespace ui
