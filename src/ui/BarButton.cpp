#include "ui/BarButton.h"

#include "ui/BarButtonItem.h"
#include "ui/BarPainter.h"
#include "ui/Metrics.h"

#include <QPainter>
#include <QPainterPath>

namespace ui {

namespace {
constexpr int kHeight = Metrics::BarControlHeight;
constexpr int kPadding = 10;
constexpr int kMaxWidth = 110;
} // namespace

BarButton::BarButton(BarButtonItem* item, const QColor& tint, QWidget* parent)
    : QAbstractButton(parent), item_(item), tint_(tint) {
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    if (item_) {
        connect(item_, &BarButtonItem::changed, this, &BarButton::syncWithItem);
        connect(this, &QAbstractButton::clicked, item_, &BarButtonItem::triggered);
    }
    syncWithItem();
}

BarButton* BarButton::backButton(const QString& title, const QColor& tint, QWidget* parent) {
    auto* button = new BarButton(nullptr, tint, parent);
    button->shape_ = Shape::Back;
    button->setText(title.isEmpty() ? QStringLiteral("Back") : title);
    button->setObjectName(QStringLiteral("back"));
    button->setAccessibleName(button->text());
    button->resize(button->sizeHint());
    return button;
}

void BarButton::syncWithItem() {
    if (!item_)
        return;
    setText(item_->kind() == BarButtonItem::Kind::SystemAdd ? QString() : item_->title());
    setObjectName(item_->title());
    setAccessibleName(item_->title());
    setEnabled(item_->isEnabled());
    resize(sizeHint());
    update();
}

void BarButton::setTint(const QColor& tint) {
    tint_ = tint;
    update();
}

QSize BarButton::sizeHint() const {
    if (item_ && item_->kind() == BarButtonItem::Kind::SystemAdd)
        return {34, kHeight};
    const int textWidth = QFontMetrics(Metrics::font(12, true)).horizontalAdvance(text());
    // The back face keeps room for its point on the left.
    const int extra = shape_ == Shape::Back ? kPadding + 14 : kPadding * 2;
    return {std::min(std::max(textWidth + extra, 40), kMaxWidth), kHeight};
}

void BarButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0, 0, -0.5, -0.5);
    const bool done = item_ && item_->style() == BarButtonItem::Style::Done;
    if (shape_ == Shape::Back) {
        // Draw the face as a pointed shape by clipping a normal face.
        QPainterPath arrow;
        const double tip = 11;
        arrow.moveTo(r.left(), r.center().y());
        arrow.lineTo(r.left() + tip, r.top());
        arrow.lineTo(r.right(), r.top());
        arrow.lineTo(r.right(), r.bottom());
        arrow.lineTo(r.left() + tip, r.bottom());
        arrow.closeSubpath();
        p.save();
        p.setClipPath(arrow);
        BarPainter::paintButton(p, r.adjusted(-8, 0, 0, 0), tint_, isDown(), false, isEnabled());
        p.restore();
        p.setPen(QPen(BarPainter::shade(tint_, 0.45), 1));
        p.drawPolyline(QPolygonF({QPointF(r.left() + tip, r.top() + 0.5),
                                  QPointF(r.left() + 0.5, r.center().y()),
                                  QPointF(r.left() + tip, r.bottom() - 0.5)}));
    } else if (!item_ || item_->style() != BarButtonItem::Style::Plain) {
        BarPainter::paintButton(p, r, tint_, isDown(), done, isEnabled());
    }
    if (item_ && item_->kind() == BarButtonItem::Kind::SystemAdd) {
        const QPointF c = r.center();
        p.setPen(QPen(isEnabled() ? Qt::white : QColor(255, 255, 255, 130), 2.5, Qt::SolidLine,
                      Qt::RoundCap));
        p.drawLine(QPointF(c.x() - 6, c.y()), QPointF(c.x() + 6, c.y()));
        p.drawLine(QPointF(c.x(), c.y() - 6), QPointF(c.x(), c.y() + 6));
        return;
    }
    p.setFont(Metrics::font(12, true));
    QRectF textRect =
        shape_ == Shape::Back ? r.adjusted(kPadding + 4, 0, -5, 0) : r.adjusted(4, 0, -4, 0);
    const QString shown =
        QFontMetrics(Metrics::font(12, true))
            .elidedText(text(), Qt::ElideRight, static_cast<int>(textRect.width()));
    BarPainter::paintEmbossedText(p, textRect, Qt::AlignCenter, shown, isEnabled());
    if (hasFocus()) {
        p.setPen(QPen(QColor(255, 255, 255, 160), 1, Qt::DotLine));
        p.drawRoundedRect(r.adjusted(2, 2, -2, -2), 4, 4);
    }
}

} // namespace ui
