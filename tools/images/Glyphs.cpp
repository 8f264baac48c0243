#include "Glyphs.h"

#include "GlyphPen.h"

#include <QPainterPath>
#include <QRegularExpression>
#include <QStringList>
#include <utility>
#include <vector>

namespace glyphs {

void clock(QPainter& p) {
    outline(p);
    p.drawEllipse(QPointF(16, 16), 11, 11);
    p.drawLine(QPointF(16, 16), QPointF(16, 9));
    p.drawLine(QPointF(16, 16), QPointF(21, 19));
}

void bolt(QPainter& p) {
    solid(p);
    QPainterPath path;
    path.moveTo(19, 3);
    path.lineTo(8, 18);
    path.lineTo(15, 18);
    path.lineTo(12, 29);
    path.lineTo(24, 13);
    path.lineTo(17, 13);
    path.closeSubpath();
    p.drawPath(path);
}

void forkKnife(QPainter& p) {
    outline(p, 2.2);
    for (qreal x : {8.0, 11.0, 14.0})
        p.drawLine(QPointF(x, 4), QPointF(x, 11));
    QPainterPath fork;
    fork.moveTo(8, 11);
    fork.quadTo(11, 16, 14, 11);
    p.drawPath(fork);
    p.drawLine(QPointF(11, 14), QPointF(11, 28));
    solid(p);
    QPainterPath knife;
    knife.moveTo(20, 28);
    knife.lineTo(20, 4);
    knife.quadTo(26, 8, 25, 17);
    knife.lineTo(22, 17);
    knife.lineTo(22, 28);
    knife.closeSubpath();
    p.drawPath(knife);
}

void database(QPainter& p) {
    outline(p);
    p.drawEllipse(QRectF(6, 4, 20, 7));
    p.drawLine(QPointF(6, 7.5), QPointF(6, 24.5));
    p.drawLine(QPointF(26, 7.5), QPointF(26, 24.5));
    p.drawArc(QRectF(6, 13, 20, 7), 180 * 16, 180 * 16);
    p.drawArc(QRectF(6, 21, 20, 7), 180 * 16, 180 * 16);
}

void apple(QPainter& p) {
    solid(p);
    QPainterPath body;
    body.moveTo(16, 10);
    body.cubicTo(10, 6, 4, 10, 5, 18);
    body.cubicTo(6, 26, 11, 30, 16, 27);
    body.cubicTo(21, 30, 26, 26, 27, 18);
    body.cubicTo(28, 10, 22, 6, 16, 10);
    p.drawPath(body);
    QPainterPath leafPath;
    leafPath.moveTo(16, 8);
    leafPath.quadTo(17, 2, 23, 3);
    leafPath.quadTo(21, 8, 16, 8);
    p.drawPath(leafPath);
}

void glass(QPainter& p) {
    outline(p);
    QPainterPath path;
    path.moveTo(8, 5);
    path.lineTo(24, 5);
    path.lineTo(21, 28);
    path.lineTo(11, 28);
    path.closeSubpath();
    p.drawPath(path);
    solid(p);
    QPainterPath drink;
    drink.moveTo(9.7, 13);
    drink.lineTo(22.3, 13);
    drink.lineTo(20.3, 27);
    drink.lineTo(11.7, 27);
    drink.closeSubpath();
    p.drawPath(drink);
}

void bread(QPainter& p) {
    solid(p);
    QPainterPath loaf;
    loaf.moveTo(6, 27);
    loaf.lineTo(6, 15);
    loaf.cubicTo(1, 13, 3, 5, 16, 5);
    loaf.cubicTo(29, 5, 31, 13, 26, 15);
    loaf.lineTo(26, 27);
    loaf.closeSubpath();
    p.drawPath(loaf);
}

void fish(QPainter& p) {
    solid(p);
    QPainterPath body;
    body.moveTo(4, 16);
    body.cubicTo(9, 7, 19, 7, 24, 16);
    body.cubicTo(19, 25, 9, 25, 4, 16);
    p.drawPath(body);
    QPainterPath tail;
    tail.moveTo(22, 16);
    tail.lineTo(29, 10);
    tail.lineTo(29, 22);
    tail.closeSubpath();
    p.drawPath(tail);
}

void drumstick(QPainter& p) {
    solid(p);
    p.drawEllipse(QPointF(19, 12), 9, 8.5);
    QPainterPath bone;
    bone.moveTo(14, 16);
    bone.lineTo(8, 23);
    bone.lineTo(10, 25);
    bone.lineTo(17, 19);
    bone.closeSubpath();
    p.drawPath(bone);
    p.drawEllipse(QPointF(6.5, 24), 2.6, 2.6);
    p.drawEllipse(QPointF(9, 27), 2.6, 2.6);
}

void leaf(QPainter& p) {
    solid(p);
    QPainterPath path;
    path.moveTo(6, 27);
    path.cubicTo(4, 12, 14, 4, 28, 4);
    path.cubicTo(28, 18, 20, 28, 6, 27);
    p.drawPath(path);
}

void cup(QPainter& p) {
    solid(p);
    QPainterPath body;
    body.moveTo(5, 11);
    body.lineTo(23, 11);
    body.lineTo(21, 25);
    body.quadTo(14, 29, 7, 25);
    body.closeSubpath();
    p.drawPath(body);
    outline(p, 2.6);
    p.drawArc(QRectF(19, 13, 9, 8), -90 * 16, 180 * 16);
    p.drawLine(QPointF(11, 3), QPointF(11, 7));
    p.drawLine(QPointF(16, 4), QPointF(16, 8));
}

void cheese(QPainter& p) {
    solid(p);
    QPainterPath wedge;
    wedge.moveTo(4, 25);
    wedge.lineTo(4, 16);
    wedge.lineTo(27, 8);
    wedge.lineTo(28, 25);
    wedge.closeSubpath();
    p.drawPath(wedge);
}

void egg(QPainter& p) {
    solid(p);
    QPainterPath path;
    path.moveTo(16, 4);
    path.cubicTo(24, 4, 27, 17, 26, 21);
    path.cubicTo(25, 28, 7, 28, 6, 21);
    path.cubicTo(5, 17, 8, 4, 16, 4);
    p.drawPath(path);
}

void candy(QPainter& p) {
    solid(p);
    p.drawEllipse(QPointF(16, 16), 7, 7);
    QPainterPath ends;
    ends.moveTo(10, 13);
    ends.lineTo(3, 9);
    ends.lineTo(3, 23);
    ends.lineTo(10, 19);
    ends.moveTo(22, 13);
    ends.lineTo(29, 9);
    ends.lineTo(29, 23);
    ends.lineTo(22, 19);
    p.drawPath(ends);
}

void bowl(QPainter& p) {
    solid(p);
    QPainterPath path;
    path.moveTo(3, 14);
    path.lineTo(29, 14);
    path.cubicTo(29, 22, 22, 27, 16, 27);
    path.cubicTo(10, 27, 3, 22, 3, 14);
    p.drawPath(path);
    outline(p, 2);
    p.drawArc(QRectF(8, 5, 6, 8), 0, 180 * 16);
    p.drawArc(QRectF(16, 3, 6, 10), 0, 180 * 16);
}

void can(QPainter& p) {
    solid(p);
    p.drawRoundedRect(QRectF(8, 7, 16, 21), 2.5, 2.5);
    p.drawEllipse(QRectF(8, 4, 16, 6));
}

void flame(QPainter& p) {
    solid(p);
    QPainterPath path;
    path.moveTo(16, 3);
    path.cubicTo(18, 10, 26, 13, 25, 21);
    path.cubicTo(24, 27, 19, 29, 16, 29);
    path.cubicTo(12, 29, 7, 27, 7, 20);
    path.cubicTo(7, 15, 11, 13, 12, 9);
    path.cubicTo(14, 12, 14, 14, 15, 15);
    path.cubicTo(17, 11, 17, 7, 16, 3);
    p.drawPath(path);
}

void drop(QPainter& p) {
    solid(p);
    QPainterPath path;
    path.moveTo(16, 3);
    path.cubicTo(20, 10, 25, 15, 25, 20);
    path.cubicTo(25, 26, 21, 29, 16, 29);
    path.cubicTo(11, 29, 7, 26, 7, 20);
    path.cubicTo(7, 15, 12, 10, 16, 3);
    p.drawPath(path);
}

void nut(QPainter& p) {
    solid(p);
    QPainterPath cap;
    cap.moveTo(5, 14);
    cap.cubicTo(5, 6, 27, 6, 27, 14);
    cap.closeSubpath();
    p.drawPath(cap);
    QPainterPath body;
    body.moveTo(8, 15.5);
    body.lineTo(24, 15.5);
    body.cubicTo(24, 23, 19, 28, 16, 29);
    body.cubicTo(13, 28, 8, 23, 8, 15.5);
    p.drawPath(body);
    outline(p, 2.2);
    p.drawLine(QPointF(16, 7), QPointF(17, 3));
}

void sausage(QPainter& p) {
    outline(p, 7);
    QPainterPath path;
    path.moveTo(6, 12);
    path.quadTo(16, 26, 26, 12);
    p.drawPath(path);
    outline(p, 1.8);
    p.drawLine(QPointF(3.5, 10), QPointF(2, 7));
    p.drawLine(QPointF(28.5, 10), QPointF(30, 7));
}

void bottle(QPainter& p) {
    solid(p);
    p.drawRoundedRect(QRectF(9, 11, 14, 18), 4, 4);
    p.drawRect(QRectF(11, 8, 10, 3));
    QPainterPath teat;
    teat.moveTo(12, 8);
    teat.cubicTo(12, 2, 20, 2, 20, 8);
    teat.closeSubpath();
    p.drawPath(teat);
}

void draw(QPainter& p, Glyph glyph, const QRectF& box, const QColor& colour) {
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 32.0, box.height() / 32.0);
    p.setPen(QPen(colour, 2.4));
    p.setBrush(colour);
    glyph(p);
    p.restore();
}

void letter(QPainter& p, const QString& text, const QRectF& box, const QColor& colour) {
    QString first;
    for (const QChar c : text) {
        if (c.isLetterOrNumber()) {
            first = c.toUpper();
            break;
        }
    }
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(qRound(box.height() * 0.62));
    p.save();
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, first.isEmpty() ? QStringLiteral("?") : first);
    p.restore();
}

Glyph forName(const QString& name) {
    // Matched on whole words of the name, first rule wins; order puts specific words first.
    static const std::vector<std::pair<QStringList, Glyph>> rules = {
        {{"recent", "history", "time"}, clock},
        {{"quick", "speedy"}, bolt},
        {{"restaurant", "fastfood", "dining", "meal", "meals"}, forkKnife},
        {{"database", "search"}, database},
        {{"baby", "infant"}, bottle},
        {{"fruit", "fruits", "apple", "berries", "juice"}, apple},
        {{"drink", "drinks", "beverage", "beverages", "soda", "alcohol", "wine", "beer"}, glass},
        {{"coffee", "tea", "hot"}, cup},
        {{"bread", "bakery", "baked", "grain", "grains", "cereal", "cereals", "pasta", "rice"},
         bread},
        {{"fish", "seafood", "sea"}, fish},
        {{"sausage", "sausages", "hotdog"}, sausage},
        {{"meat", "meats", "poultry", "chicken", "beef", "pork", "lamb"}, drumstick},
        {{"nut", "nuts", "seeds"}, nut},
        {{"fat", "fats", "oil", "oils"}, drop},
        {{"spice", "spices", "cooked", "grill"}, flame},
        {{"canned", "can", "tinned"}, can},
        {{"frozen", "winter", "ice", "snow", "skiing"}, snowflake},
        {{"dried", "outdoor", "outdoors", "summer"}, sun},
        {{"vegetable", "vegetables", "veggies", "salad", "greens", "legumes", "beans", "plant",
          "raw", "native", "mindbody", "yoga"},
         leaf},
        {{"dairy", "cheese", "milk"}, cheese},
        {{"egg", "eggs", "breakfast"}, egg},
        {{"sweet", "sweets", "candy", "dessert", "desserts", "snack", "snacks", "sugar"}, candy},
        {{"soup", "soups", "bowl", "dish", "dishes", "mixed", "prepared"}, bowl},
        {{"running", "run", "walking", "walk", "jogging", "athletics"}, runner},
        {{"bike", "bicycling", "cycling", "bicycle"}, bike},
        {{"swim", "swimming", "water", "aquatic"}, waves},
        {{"gym", "weights", "conditioning", "strength", "fitness", "combat", "boxing"}, dumbbell},
        {{"racket", "tennis", "badminton", "squash"}, racket},
        {{"dance", "dancing", "music"}, note},
        {{"home", "house", "household", "chores", "garden", "gardening", "occupation", "work"},
         house},
        {{"sport", "sports", "ball", "games", "recreation", "team", "leisure"}, ball},
    };
    QString clean = name.toLower();
    clean.remove(QStringLiteral(".png"));
    QStringList words;
    for (const QString& w :
         clean.split(QRegularExpression(QStringLiteral("[^a-z]+")), Qt::SkipEmptyParts))
        words << w;
    for (const auto& [keys, glyph] : rules)
        for (const QString& w : words)
            if (keys.contains(w))
                return glyph;
    return nullptr;
}

} // namespace glyphs
