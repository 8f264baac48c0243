#include "ui/TabBar.h"

#include "ui/BarPainter.h"

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

TabBar::TabBar(QWidget* parent) : ChoiceRow(parent) {
    setObjectName(QStringLiteral("tabBar"));
    setFixedHeight(kHeight);
    setFocusPolicy(Qt::TabFocus);
}

void TabBar::setItems(const QList<TabBarItem>& items) {
    items_ = items;
    if (chosen_ >= count())
        chosen_ = count() - 1;
    if (chosen_ < 0 && count() > 0)
        chosen_ = 0;
    update();
}

void TabBar::setSelectedIndex(int index) {
    if (index < 0 || index >= count())
        return;
    chosen_ = index;
    update();
}

void TabBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), BarPainter::vertical(rect(), {{0.0, QColor(62, 62, 62)},
                                                     {0.5, QColor(32, 32, 32)},
                                                     {0.51, QColor(10, 10, 10)},
                                                     {1.0, QColor(0, 0, 0)}}));
    p.setPen(QColor(90, 90, 90));
    p.drawLine(0, 0, width(), 0);

    QFont font;
    font.setPixelSize(10);
    font.setBold(true);
    p.setFont(font);
    for (int i = 0; i < count(); ++i) {
        const QRect r = tabRect(i);
        const bool on = i == chosen_;
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
    if (showsFocusRing()) {
        KeyboardFocusRing::paint(p, QRectF(tabRect(chosen_)).adjusted(1.5, 1.5, -1.5, -1.5),
                                 QColor(255, 255, 255, 140));
    }
}

} // namespace ui
