#include "ImageSpec.h"
#include "Palette.h"
#include "Shapes.h"

#include <QPainterPath>

namespace {

using namespace palette;

// Every day cell shares the grid lines; only the fill and the marks differ.
void dayCell(QPainter& p, const QSizeF& s, const QColor& top, const QColor& bottom) {
    const QRectF r(QPointF(0, 0), s);
    shapes::vertical(p, r, top, bottom);
    p.setPen(QPen(QColor(255, 255, 255, 170), 1));
    p.drawLine(QPointF(0, 0.5), QPointF(s.width(), 0.5));
    p.drawLine(QPointF(0.5, 0), QPointF(0.5, s.height()));
    p.setPen(QPen(line, 1));
    p.drawLine(QPointF(0, s.height() - 0.5), QPointF(s.width(), s.height() - 0.5));
    p.drawLine(QPointF(s.width() - 0.5, 0), QPointF(s.width() - 0.5, s.height()));
}

void selectedCell(QPainter& p, const QSizeF& s, const QColor& top, const QColor& bottom) {
    dayCell(p, s, top, bottom);
    // Inner shadow: the selected day looks pressed in.
    const QRectF r(QPointF(0, 0), s);
    shapes::shadowStrip(p, QRectF(0, 0, s.width(), 5), 70);
    p.setPen(QPen(goldDeep, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
}

void todayRing(QPainter& p, const QSizeF& s) {
    p.setPen(QPen(tintDark, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(QPointF(0, 0), s).adjusted(3, 3, -3, -3), 6, 6);
}

void navArrow(QPainter& p, const QSizeF& s, int dir) {
    const qreal x = dir < 0 ? 24 : s.width() - 24;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawEllipse(QPointF(x, s.height() / 2 - 6), 13, 13);
    shapes::chevron(p, QPointF(x + (dir < 0 ? -1.5 : 1.5), s.height() / 2 - 6), 11, dir, Qt::white,
                    2.8);
}

void plainArrow(QPainter& p, const QSizeF& s, int dir) {
    QPainterPath path;
    const qreal cx = s.width() / 2;
    const qreal cy = s.height() / 2;
    const qreal d = dir < 0 ? -1 : 1;
    path.moveTo(cx + 7 * d, cy - 9);
    path.lineTo(cx - 7 * d, cy);
    path.lineTo(cx + 7 * d, cy + 9);
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(path);
}

void monthBackground(QPainter& p, const QSizeF& s) {
    shapes::panel(p, QRectF(QPointF(0, 0), s).adjusted(4, 3, -4, -3), 12, QColor(120, 104, 70),
                  tintDark, QColor(70, 58, 34));
}

void flag(QPainter& p, const QSizeF& s, const QColor& colour) {
    p.setPen(QPen(QColor(70, 60, 40), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3, 1.5), QPointF(3, s.height() - 1));
    QPainterPath cloth;
    cloth.moveTo(3.6, 1.8);
    cloth.cubicTo(7, 0.6, 9, 3.6, 13, 2.4);
    cloth.lineTo(13, 8.4);
    cloth.cubicTo(9, 9.6, 7, 6.6, 3.6, 7.8);
    cloth.closeSubpath();
    p.setPen(QPen(colour.darker(140), 0.8));
    p.setBrush(colour);
    p.drawPath(cloth);
}

} // namespace

void addCalendarImages(ImageList& out) {
    const QSize cell(46, 44);
    out.push_back({"day.png", cell, [](QPainter& p, const QSizeF& s) {
                       dayCell(p, s, QColor(255, 254, 246), QColor(243, 238, 222));
                   }});
    out.push_back({"week.png", cell, [](QPainter& p, const QSizeF& s) {
                       dayCell(p, s, QColor(247, 240, 214), QColor(232, 220, 186));
                   }});
    out.push_back({"select.png", cell, [](QPainter& p, const QSizeF& s) {
                       selectedCell(p, s, QColor(244, 224, 150), gold);
                   }});
    out.push_back({"select_week.png", cell, [](QPainter& p, const QSizeF& s) {
                       selectedCell(p, s, QColor(238, 214, 132), QColor(226, 196, 104));
                   }});
    out.push_back({"today.png", cell, [](QPainter& p, const QSizeF& s) {
                       dayCell(p, s, QColor(247, 240, 214), QColor(232, 220, 186));
                       todayRing(p, s);
                   }});
    out.push_back({"select_today.png", cell, [](QPainter& p, const QSizeF& s) {
                       selectedCell(p, s, QColor(238, 214, 132), QColor(226, 196, 104));
                       todayRing(p, s);
                   }});
    out.push_back({"back.png", {92, 44}, [](QPainter& p, const QSizeF& s) { navArrow(p, s, -1); }});
    out.push_back(
        {"forward.png", {91, 44}, [](QPainter& p, const QSizeF& s) { navArrow(p, s, 1); }});
    out.push_back(
        {"Left.png", {32, 32}, [](QPainter& p, const QSizeF& s) { plainArrow(p, s, -1); }});
    out.push_back(
        {"Right.png", {32, 32}, [](QPainter& p, const QSizeF& s) { plainArrow(p, s, 1); }});
    out.push_back({"month_bg.png", {230, 32}, monthBackground});
    out.push_back({"week_day_bg.png", {46, 12}, [](QPainter& p, const QSizeF& s) {
                       shapes::vertical(p, QRectF(QPointF(0, 0), s), tint, tintDark);
                   }});
    out.push_back({"cal_shadow_dark.png", {320, 18}, [](QPainter& p, const QSizeF& s) {
                       shapes::shadowStrip(p, QRectF(QPointF(0, 0), s), 120);
                   }});
    out.push_back({"red.png", {14, 14}, [](QPainter& p, const QSizeF& s) { flag(p, s, red); }});
    out.push_back({"green.png", {14, 14}, [](QPainter& p, const QSizeF& s) { flag(p, s, green); }});
}
