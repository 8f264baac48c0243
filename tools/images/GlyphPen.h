#pragma once

#include <QPainter>
#include <QPen>

// The two ways a glyph puts down its ink: stroked lines or filled shapes. The ink is the colour
// glyphs::draw set on the pen before calling the glyph.
namespace glyphs {

inline QColor ink(QPainter& p) {
    return p.pen().color();
}

inline void outline(QPainter& p, qreal width = 2.4) {
    p.setPen(QPen(ink(p), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
}

inline void solid(QPainter& p) {
    p.setBrush(ink(p));
    p.setPen(QPen(ink(p), 0.01));
}

} // namespace glyphs
