#include "Glyphs.h"
#include "ImageSpec.h"
#include "Palette.h"

#include <QCryptographicHash>
#include <QLinearGradient>

namespace {

// Calm tile colours; a name always gets the same one.
const QColor tileColours[] = {
    {146, 128, 91}, {96, 138, 92},   {188, 112, 64}, {82, 124, 150},
    {156, 94, 110}, {128, 110, 160}, {176, 144, 52}, {74, 132, 124},
};

QColor tileColourFor(const QString& name) {
    const QByteArray digest = QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Md5);
    const int n = int(sizeof(tileColours) / sizeof(tileColours[0]));
    return tileColours[static_cast<unsigned char>(digest[0]) % n];
}

void tile(QPainter& p, const QSizeF& s, const QColor& colour) {
    const QRectF r = QRectF(QPointF(0, 0), s).adjusted(1, 1, -1, -1.5);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, colour.lighter(125));
    g.setColorAt(1, colour.darker(110));
    p.setPen(QPen(colour.darker(150), 1));
    p.setBrush(g);
    p.drawRoundedRect(r, 7, 7);
}

// A menu or catalogue icon: a coloured tile with a white pictogram, or the name's first letter.
void icon(QPainter& p, const QSizeF& s, const QString& name, const QColor& colour,
          glyphs::Glyph glyph) {
    tile(p, s, colour);
    const QRectF box = QRectF(QPointF(0, 0), s).adjusted(6, 6, -6, -6);
    if (glyph)
        glyphs::draw(p, glyph, box, Qt::white);
    else
        glyphs::letter(p, name, box, Qt::white);
}

ImageSpec iconSpec(const QString& name, const QColor& colour, glyphs::Glyph glyph) {
    return {name, {32, 32}, [name, colour, glyph](QPainter& p, const QSizeF& s) {
                icon(p, s, name, colour, glyph);
            }};
}

// Tab images are white shapes on clear ground: the tab bar uses them as masks.
ImageSpec tabSpec(const QString& name, glyphs::Glyph glyph) {
    return {name, {30, 30}, [glyph](QPainter& p, const QSizeF& s) {
                glyphs::draw(p, glyph, QRectF(QPointF(0, 0), s).adjusted(1, 1, -1, -1), Qt::white);
            }};
}

} // namespace

void addIconImages(ImageList& out, const QStringList& catalogueNames) {
    const std::pair<const char*, glyphs::Glyph> tabs[] = {
        {"overview", glyphs::calendar}, {"food", glyphs::forkKnife}, {"exercise", glyphs::runner},
        {"weight", glyphs::scale},      {"profile", glyphs::person},
    };
    for (const auto& [name, glyph] : tabs) {
        out.push_back(tabSpec(QString::fromLatin1(name) + ".png", glyph));
        out.push_back(tabSpec("tab_" + QString::fromLatin1(name) + ".png", glyph));
    }
    out.push_back(iconSpec("recent.png", QColor(82, 124, 150), glyphs::clock));
    out.push_back(iconSpec("quick_add.png", QColor(188, 112, 64), glyphs::bolt));
    out.push_back(iconSpec("restaurant.png", palette::tint, glyphs::forkKnife));
    out.push_back(iconSpec("database.png", QColor(96, 138, 92), glyphs::database));
    for (const QString& name : catalogueNames) {
        const bool taken =
            std::any_of(out.begin(), out.end(), [&](const ImageSpec& s) { return s.name == name; });
        if (!taken)
            out.push_back(iconSpec(name, tileColourFor(name), glyphs::forName(name)));
    }
}
