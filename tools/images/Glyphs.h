#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QString>

// Pictograms drawn in one colour into a square box; the icons and tab images are built from
// them. Each is designed on a 32-point grid and scaled to the box.
namespace glyphs {

using Glyph = void (*)(QPainter&);

void clock(QPainter& p);
void bolt(QPainter& p);
void forkKnife(QPainter& p);
void database(QPainter& p);
void apple(QPainter& p);
void glass(QPainter& p);
void bread(QPainter& p);
void fish(QPainter& p);
void drumstick(QPainter& p);
void leaf(QPainter& p);
void cup(QPainter& p);
void cheese(QPainter& p);
void egg(QPainter& p);
void candy(QPainter& p);
void bowl(QPainter& p);
void runner(QPainter& p);
void bike(QPainter& p);
void waves(QPainter& p);
void dumbbell(QPainter& p);
void house(QPainter& p);
void ball(QPainter& p);
void calendar(QPainter& p);
void scale(QPainter& p);
void person(QPainter& p);
void can(QPainter& p);
void flame(QPainter& p);
void drop(QPainter& p);
void nut(QPainter& p);
void sausage(QPainter& p);
void bottle(QPainter& p);
void racket(QPainter& p);
void note(QPainter& p);
void sun(QPainter& p);
void snowflake(QPainter& p);

// Draws the glyph into the box with the given colour.
void draw(QPainter& p, Glyph glyph, const QRectF& box, const QColor& colour);
// Draws the first letter of the text, for names no pictogram fits.
void letter(QPainter& p, const QString& text, const QRectF& box, const QColor& colour);
// The pictogram that best fits an image or catalogue name, or nullptr.
Glyph forName(const QString& name);

} // namespace glyphs
