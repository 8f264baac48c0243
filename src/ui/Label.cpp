#include "ui/Label.h"

#include "ui/Metrics.h"

#include <QPainter>

namespace ui {

Label::Label(QWidget* parent) : QWidget(parent) {
    setFontSize(17);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

Label* Label::make(QWidget* parent, const QRect& frame, int fontSize, bool bold,
                   const QColor& color, Qt::Alignment alignment) {
    auto* label = new Label(parent);
    label->setGeometry(frame);
    label->setFontSize(fontSize, bold);
    label->setTextColor(color);
    label->setAlignment(alignment);
    return label;
}

void Label::setText(const QString& text) {
    text_ = text;
    update();
}

void Label::setFontSize(int size, bool bold) {
    setFont(Metrics::resized(font(), size, bold));
    update();
}

void Label::setTextColor(const QColor& color) {
    color_ = color;
    update();
}

void Label::setAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    update();
}

void Label::setBackgroundColor(const QColor& color) {
    background_ = color;
    update();
}

void Label::setShadow(const QColor& color, QPoint offset) {
    shadow_ = color;
    shadowOffset_ = offset;
    update();
}

void Label::setNumberOfLines(int lines) {
    lines_ = lines;
    update();
}

QSize Label::sizeHint() const {
    const QFontMetrics fm(font());
    return {fm.horizontalAdvance(text_) + 2, fm.height()};
}

void Label::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (background_.alpha() > 0)
        p.fillRect(rect(), background_);
    p.setFont(font());
    const Qt::Alignment vertical =
        alignment_ & Qt::AlignVertical_Mask ? Qt::Alignment() : Qt::AlignVCenter;
    const int flags =
        static_cast<int>(alignment_ | vertical) | (lines_ == 1 ? 0 : Qt::TextWordWrap);
    const QString shown =
        lines_ == 1 ? QFontMetrics(font()).elidedText(text_, Qt::ElideRight, width()) : text_;
    if (shadow_.isValid()) {
        p.setPen(shadow_);
        p.drawText(rect().translated(shadowOffset_), flags, shown);
    }
    p.setPen(color_);
    p.drawText(rect(), flags, shown);
}

} // namespace ui
