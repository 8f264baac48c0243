#include "ui/SegmentedControl.h"

#include "ui/BarPainter.h"
#include "ui/Metrics.h"

#include <QPainter>
#include <QPainterPath>

namespace ui {

namespace {
constexpr int kSegmentWidth = 68;
constexpr int kPlainHeight = 44;
} // namespace

SegmentedControl::SegmentedControl(QWidget* parent) : ChoiceRow(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

SegmentedControl::SegmentedControl(const QStringList& titles, QWidget* parent)
    : SegmentedControl(parent) {
    titles_ = titles;
    resize(sizeHint());
}

void SegmentedControl::insertSegmentWithTitle(const QString& title, int index, bool) {
    index = std::clamp(index, 0, numberOfSegments());
    titles_.insert(index, title);
    if (chosen_ >= index)
        ++chosen_;
    update();
}

void SegmentedControl::removeSegmentAtIndex(int index, bool) {
    if (index < 0 || index >= numberOfSegments())
        return;
    titles_.removeAt(index);
    if (chosen_ == index)
        chosen_ = kNoSegment;
    else if (chosen_ > index)
        --chosen_;
    update();
}

void SegmentedControl::removeAllSegments() {
    titles_.clear();
    chosen_ = kNoSegment;
    update();
}

QString SegmentedControl::titleForSegmentAtIndex(int index) const {
    return index >= 0 && index < numberOfSegments() ? titles_.at(index) : QString();
}

void SegmentedControl::setTitleForSegmentAtIndex(const QString& title, int index) {
    if (index < 0 || index >= numberOfSegments())
        return;
    titles_[index] = title;
    update();
}

void SegmentedControl::setSelectedSegmentIndex(int index) {
    chosen_ = index >= 0 && index < numberOfSegments() ? index : kNoSegment;
    update();
}

void SegmentedControl::setSegmentedControlStyle(Style style) {
    style_ = style;
    update();
}

void SegmentedControl::setTintColor(const QColor& tint) {
    tint_ = tint;
    update();
}

QSize SegmentedControl::sizeHint() const {
    return {std::max(1, numberOfSegments()) * kSegmentWidth,
            style_ == Style::Plain ? kPlainHeight : Metrics::BarControlHeight};
}

void SegmentedControl::choose(int index) {
    if (index < 0 || index >= numberOfSegments() || index == chosen_)
        return;
    chosen_ = index;
    update();
    emit valueChanged(index);
}

void SegmentedControl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const bool bar = style_ != Style::Plain;
    const double radius = bar ? 5 : 8;
    QPainterPath shape;
    shape.addRoundedRect(outer, radius, radius);
    const QColor base = bar ? tint_ : QColor(250, 250, 250);
    const QColor chosen = bar ? BarPainter::shade(tint_, 0.68) : QColor(52, 116, 214);

    p.save();
    p.setClipPath(shape);
    for (int i = 0; i < numberOfSegments(); ++i) {
        const QRectF r = segmentRect(i);
        const QColor c = i == chosen_ ? chosen : base;
        p.fillRect(r, bar ? BarPainter::gloss(r, c, 1.3, 1.08, 0.95)
                          : BarPainter::gloss(r, c, 1.0, 0.98, 0.93));
    }
    p.restore();

    const QColor line = bar ? BarPainter::shade(tint_, 0.45) : QColor(140, 140, 140);
    p.setPen(QPen(line, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    for (int i = 1; i < numberOfSegments(); ++i) {
        const double x = segmentRect(i).left() + 0.5;
        p.drawLine(QPointF(x, outer.top()), QPointF(x, outer.bottom()));
    }

    QFont font;
    font.setBold(true);
    for (int i = 0; i < numberOfSegments(); ++i) {
        const QRect r = segmentRect(i).adjusted(3, 0, -3, 0);
        // A long title shrinks a little before it is cut short.
        int size = bar ? 12 : 13;
        font.setPixelSize(size);
        while (size > 10 && QFontMetrics(font).horizontalAdvance(titles_.at(i)) > r.width())
            font.setPixelSize(--size);
        p.setFont(font);
        const QString shown =
            QFontMetrics(font).elidedText(titles_.at(i), Qt::ElideRight, r.width());
        if (bar || i == chosen_) {
            BarPainter::paintEmbossedText(p, r, Qt::AlignCenter, shown, isEnabled());
        } else {
            p.setPen(QColor(80, 80, 80));
            p.drawText(r, Qt::AlignCenter, shown);
        }
    }
    if (showsFocusRing()) {
        KeyboardFocusRing::paint(p, QRectF(segmentRect(chosen_)).adjusted(2.5, 2.5, -2.5, -2.5),
                                 QColor(255, 255, 255, 170));
    }
}

} // namespace ui
