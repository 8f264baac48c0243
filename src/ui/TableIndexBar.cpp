#include "ui/TableIndexBar.h"

#include "ui/Metrics.h"

#include <QMouseEvent>
#include <QPainter>

namespace ui {

namespace {
constexpr int margin = 6;
}

TableIndexBar::TableIndexBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("sectionIndex"));
    setAttribute(Qt::WA_AcceptTouchEvents, false);
}

void TableIndexBar::setTitles(const QStringList& titles) {
    titles_ = titles;
    update();
}

qreal TableIndexBar::slotHeight() const {
    if (titles_.isEmpty())
        return 0;
    return qreal(height() - 2 * margin) / titles_.size();
}

int TableIndexBar::indexAt(int y) const {
    if (titles_.isEmpty())
        return -1;
    const int i = int((y - margin) / slotHeight());
    return std::clamp(i, 0, int(titles_.size()) - 1);
}

QPoint TableIndexBar::titleCentre(int index) const {
    return {width() / 2, int(margin + (index + 0.5) * slotHeight())};
}

void TableIndexBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (pressed_) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 40));
        p.drawRoundedRect(rect().adjusted(2, 2, -2, -2), 8, 8);
    }
    p.setFont(Metrics::resized(p.font(), std::clamp(int(slotHeight() * 0.8), 6, 12), true));
    p.setPen(QColor(96, 84, 60));
    const qreal h = slotHeight();
    for (int i = 0; i < titles_.size(); ++i)
        p.drawText(QRectF(0, margin + i * h, width(), h), Qt::AlignCenter, titles_[i]);
}

void TableIndexBar::choose(int y) {
    const int i = indexAt(y);
    if (i < 0 || i == last_)
        return;
    last_ = i;
    emit titleChosen(i);
}

void TableIndexBar::mousePressEvent(QMouseEvent* event) {
    pressed_ = true;
    last_ = -1;
    choose(event->position().toPoint().y());
    update();
}

void TableIndexBar::mouseMoveEvent(QMouseEvent* event) {
    if (pressed_)
        choose(event->position().toPoint().y());
}

void TableIndexBar::mouseReleaseEvent(QMouseEvent*) {
    pressed_ = false;
    update();
}

} // namespace ui
