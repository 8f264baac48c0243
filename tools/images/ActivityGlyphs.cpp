#include "Glyphs.h"

#include "GlyphPen.h"

#include <QPainterPath>

// Pictograms of activities and of the tabs.
namespace glyphs {

void runner(QPainter& p) {
    solid(p);
    p.drawEllipse(QPointF(20, 5.5), 3.2, 3.2);
    outline(p, 3.2);
    QPainterPath body;
    body.moveTo(18, 10);
    body.lineTo(14, 18);
    p.drawPath(body);
    QPainterPath arms;
    arms.moveTo(8, 13);
    arms.lineTo(12, 10);
    arms.lineTo(18, 10);
    arms.lineTo(22, 15);
    arms.lineTo(26, 14);
    p.drawPath(arms);
    QPainterPath legs;
    legs.moveTo(6, 27);
    legs.lineTo(10, 22);
    legs.lineTo(14, 18);
    legs.lineTo(20, 22);
    legs.lineTo(18, 29);
    p.drawPath(legs);
}

void bike(QPainter& p) {
    outline(p, 2.2);
    p.drawEllipse(QPointF(8, 21), 6, 6);
    p.drawEllipse(QPointF(24, 21), 6, 6);
    QPainterPath frame;
    frame.moveTo(8, 21);
    frame.lineTo(13, 12);
    frame.lineTo(21, 12);
    frame.lineTo(24, 21);
    frame.moveTo(13, 12);
    frame.lineTo(16, 21);
    frame.lineTo(21, 12);
    frame.moveTo(11, 8);
    frame.lineTo(15, 8);
    frame.moveTo(21, 12);
    frame.lineTo(20, 7);
    frame.lineTo(23, 7);
    p.drawPath(frame);
}

void waves(QPainter& p) {
    outline(p, 2.6);
    for (qreal y : {10.0, 17.0, 24.0}) {
        QPainterPath wave;
        wave.moveTo(4, y);
        for (int i = 0; i < 4; ++i)
            wave.quadTo(7 + i * 6, y + (i % 2 ? 4 : -4), 10 + i * 6, y);
        p.drawPath(wave);
    }
}

void dumbbell(QPainter& p) {
    solid(p);
    p.drawRoundedRect(QRectF(4, 9, 5, 14), 1.5, 1.5);
    p.drawRoundedRect(QRectF(23, 9, 5, 14), 1.5, 1.5);
    p.drawRoundedRect(QRectF(1, 12, 4, 8), 1, 1);
    p.drawRoundedRect(QRectF(27, 12, 4, 8), 1, 1);
    p.drawRect(QRectF(9, 14.5, 14, 3));
}

void house(QPainter& p) {
    solid(p);
    QPainterPath roof;
    roof.moveTo(3, 15);
    roof.lineTo(16, 4);
    roof.lineTo(29, 15);
    roof.lineTo(26, 15);
    roof.lineTo(26, 28);
    roof.lineTo(19, 28);
    roof.lineTo(19, 20);
    roof.lineTo(13, 20);
    roof.lineTo(13, 28);
    roof.lineTo(6, 28);
    roof.lineTo(6, 15);
    roof.closeSubpath();
    p.drawPath(roof);
}

void ball(QPainter& p) {
    outline(p, 2.2);
    p.drawEllipse(QPointF(16, 16), 12, 12);
    p.drawArc(QRectF(-2, 6, 14, 20), -60 * 16, 120 * 16);
    p.drawArc(QRectF(20, 6, 14, 20), 120 * 16, 120 * 16);
    p.drawLine(QPointF(16, 4), QPointF(16, 28));
}

void calendar(QPainter& p) {
    outline(p, 2.4);
    p.drawRoundedRect(QRectF(4, 6, 24, 22), 3, 3);
    p.drawLine(QPointF(10, 3), QPointF(10, 9));
    p.drawLine(QPointF(22, 3), QPointF(22, 9));
    solid(p);
    p.drawRect(QRectF(4, 6, 24, 6));
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c)
            p.drawRect(QRectF(8 + c * 6.5, 15 + r * 6, 3.5, 3.5));
}

void scale(QPainter& p) {
    outline(p, 2.4);
    p.drawRoundedRect(QRectF(4, 6, 24, 22), 5, 5);
    p.drawArc(QRectF(9, 10, 14, 14), 30 * 16, 120 * 16);
    p.drawLine(QPointF(16, 17), QPointF(19.5, 12));
}

void person(QPainter& p) {
    solid(p);
    p.drawEllipse(QPointF(16, 10), 6, 6);
    QPainterPath body;
    body.moveTo(4, 29);
    body.cubicTo(4, 19, 10, 18, 16, 18);
    body.cubicTo(22, 18, 28, 19, 28, 29);
    body.closeSubpath();
    p.drawPath(body);
}

void racket(QPainter& p) {
    outline(p, 2.4);
    p.drawEllipse(QRectF(11, 3, 16, 18));
    p.drawLine(QPointF(13, 18), QPointF(5, 28));
    outline(p, 1);
    for (qreal x : {15.0, 19.0, 23.0})
        p.drawLine(QPointF(x, 4.5), QPointF(x, 19.5));
    for (qreal y : {8.0, 12.0, 16.0})
        p.drawLine(QPointF(12, y), QPointF(26, y));
}

void note(QPainter& p) {
    solid(p);
    p.drawEllipse(QPointF(10, 24), 5, 4);
    p.drawEllipse(QPointF(24, 21), 5, 4);
    outline(p, 2.6);
    QPainterPath stems;
    stems.moveTo(14.5, 24);
    stems.lineTo(14.5, 6);
    stems.lineTo(28.5, 3);
    stems.lineTo(28.5, 21);
    p.drawPath(stems);
}

void sun(QPainter& p) {
    solid(p);
    p.drawEllipse(QPointF(16, 16), 6.5, 6.5);
    outline(p, 2.4);
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.translate(16, 16);
        p.rotate(i * 45);
        p.drawLine(QPointF(0, -10), QPointF(0, -13.5));
        p.restore();
    }
}

void snowflake(QPainter& p) {
    outline(p, 2.4);
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(16, 16);
        p.rotate(i * 60);
        p.drawLine(QPointF(0, -13), QPointF(0, 13));
        for (int end : {-1, 1}) {
            p.drawLine(QPointF(0, 8 * end), QPointF(-4, 12 * end));
            p.drawLine(QPointF(0, 8 * end), QPointF(4, 12 * end));
        }
        p.restore();
    }
}

} // namespace glyphs
