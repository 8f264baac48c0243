#include "ui/TabBar.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

namespace ui {

namespace {

// Tab icons are drawn as shapes: their alpha decides where the state colour shows.
QPixmap tinted(const QPixmap& source, const QColor& color) {
    QPixmap out(source.size());
    out.setDevicePixelRatio(source.devicePixelRatio());
    out.fill(Qt::transparent);
    QPainter p(&out);
    p.drawPixmap(0, 0, source);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(out.rect(), color);
    return out;
}

} // namespace

TabBar::TabBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("tabBar"));
    setFixedHeight(kHeight);
    setFocusPolicy(Qt::TabFocus);
}

void TabBar::setItems(const QList<TabBarItem>& items) {
    items_ = items;
    if (selected_ >= count())
        selected_ = count() - 1;
    if (selected_ < 0 && count() > 0)
        selected_ = 0;
    update();
}

void TabBar::setSelectedIndex(int index) {
    if (index < 0 || index >= count())
        return;
    selected_ = index;
    update();
}

QRect TabBar::tabRect(int index) const {
    if (index < 0 || index >= count())
        return {};
    const int left = width() * index / count();
    const int right = width() * (index + 1) / count();
    return {left, 0, right - left, height()};
}

int TabBar::tabAt(const QPoint& pos) const {
    for (int i = 0; i < count(); ++i)
        if (tabRect(i).contains(pos))
            return i;
    return -1;
}

void TabBar::mousePressEvent(QMouseEvent* event) {
    const int index = tabAt(event->position().toPoint());
    if (index < 0 || event->button() != Qt::LeftButton)
        return;
    emit tabActivated(index);
}

void TabBar::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Left && selected_ > 0)
        emit tabActivated(selected_ - 1);
    else if (event->key() == Qt::Key_Right && selected_ + 1 < count())
        emit tabActivated(selected_ + 1);
    else
        QWidget::keyPressEvent(event);
}

void TabBar::focusInEvent(QFocusEvent* event) {
    focusRing_.focusIn(event);
    QWidget::focusInEvent(event);
}

void TabBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0.0, QColor(62, 62, 62));
    g.setColorAt(0.5, QColor(32, 32, 32));
    g.setColorAt(0.51, QColor(10, 10, 10));
    g.setColorAt(1.0, QColor(0, 0, 0));
    p.fillRect(rect(), g);
    p.setPen(QColor(90, 90, 90));
    p.drawLine(0, 0, width(), 0);

    QFont font;
    font.setPixelSize(10);
    font.setBold(true);
    p.setFont(font);
    for (int i = 0; i < count(); ++i) {
        const QRect r = tabRect(i);
        const bool on = i == selected_;
        if (on) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255, 38));
            p.drawRoundedRect(QRectF(r).adjusted(2, 2, -2, -2), 3, 3);
        }
        const QColor color = on ? QColor(255, 226, 160) : QColor(150, 150, 150);
        const QPixmap& icon = items_[i].image;
        if (!icon.isNull()) {
            const QSizeF size = icon.deviceIndependentSize().boundedTo(QSizeF(30, 30));
            const QRectF iconRect(r.center().x() - size.width() / 2.0 + 0.5, 4, size.width(),
                                  size.height());
            p.drawPixmap(iconRect, tinted(icon, color), QRectF(icon.rect()));
        }
        p.setPen(color);
        p.drawText(QRect(r.left(), 34, r.width(), 13), Qt::AlignCenter, items_[i].title);
    }
    if (focusRing_.shows(*this) && selected_ >= 0) {
        KeyboardFocusRing::paint(p, QRectF(tabRect(selected_)).adjusted(1.5, 1.5, -1.5, -1.5),
                                 QColor(255, 255, 255, 140));
    }
}

} // namespace ui
