#include "AppIcon.h"

#include "Palette.h"

#include <QBrush>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <cstdio>
#include <vector>

// The icon is a stack of filled shapes on a 64-unit square (strokes are turned into shapes), so
// the same list paints the bitmaps and writes the SVG: a tile in the application's tint, a
// plate, a calorie ring almost closed around it and an apple on it.
namespace {

constexpr double kGrid = 64;

struct Layer {
    QPainterPath path;
    QBrush brush;
};

QPainterPath stroked(const QPainterPath& line, qreal width) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(line);
}

QPainterPath roundedSquare(qreal inset, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(QRectF(inset, inset, kGrid - 2 * inset, kGrid - 2 * inset), radius, radius);
    return path;
}

QPainterPath circle(QPointF centre, qreal radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QBrush vertical(const QColor& top, const QColor& bottom, qreal y0, qreal y1) {
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return QBrush(g);
}

std::vector<Layer> layers() {
    const QPointF plate(32, 33.5);
    std::vector<Layer> out;
    out.push_back({roundedSquare(2, 14), QBrush(palette::tintDark)});
    out.push_back({roundedSquare(3, 13), vertical(QColor(184, 166, 124), palette::tint, 3, 61)});
    out.push_back({circle(plate + QPointF(0, 1.5), 22), QBrush(QColor(60, 45, 20, 70))});
    out.push_back({circle(plate, 22), QBrush(palette::paper)});
    out.push_back({circle(plate, 16.5), vertical(palette::paperShade, palette::paper, 17, 50)});

    // Most of the day's allowance used: a ring from the top, clockwise, with a gap before it.
    QPainterPath ring;
    const QRectF ringBox(plate.x() - 19.25, plate.y() - 19.25, 38.5, 38.5);
    ring.arcMoveTo(ringBox, 90);
    ring.arcTo(ringBox, 90, -290);
    out.push_back({stroked(ring, 3.5), QBrush(palette::goldDeep)});

    QPainterPath apple;
    apple.moveTo(32, 29);
    apple.cubicTo(27.5, 25.5, 21.5, 28, 22, 35);
    apple.cubicTo(22.5, 41, 27, 45, 32, 42.5);
    apple.cubicTo(37, 45, 41.5, 41, 42, 35);
    apple.cubicTo(42.5, 28, 36.5, 25.5, 32, 29);
    out.push_back({apple, vertical(QColor(96, 178, 98), QColor(40, 120, 56), 27, 44)});
    QPainterPath stem;
    stem.moveTo(32, 29.5);
    stem.quadTo(31.5, 27, 30.5, 25);
    out.push_back({stroked(stem, 1.8), QBrush(palette::brown)});
    QPainterPath leaf;
    leaf.moveTo(32.5, 28);
    leaf.quadTo(33.5, 22.5, 39.5, 22.5);
    leaf.quadTo(38, 28, 32.5, 28);
    out.push_back({leaf, QBrush(QColor(58, 150, 72))});
    QPainterPath shine;
    shine.addEllipse(QPointF(27, 33), 1.8, 3);
    out.push_back({shine, QBrush(QColor(255, 255, 255, 110))});
    return out;
}

bool writePng(const std::vector<Layer>& icon, int size, const QString& file) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / kGrid, size / kGrid);
        for (const Layer& layer : icon)
            p.fillPath(layer.path, layer.brush);
    }
    return image.save(file, "PNG");
}

QString num(qreal v) {
    return QString::number(v, 'g', 6);
}

QString pathData(const QPainterPath& path) {
    QString d;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.type == QPainterPath::CurveToElement && i + 2 < path.elementCount()) {
            const QPainterPath::Element c2 = path.elementAt(i + 1);
            const QPainterPath::Element end = path.elementAt(i + 2);
            d += QStringLiteral("C%1 %2 %3 %4 %5 %6")
                     .arg(num(e.x), num(e.y), num(c2.x), num(c2.y), num(end.x), num(end.y));
            i += 2;
        } else {
            d += (e.type == QPainterPath::MoveToElement ? 'M' : 'L') + num(e.x) + ' ' + num(e.y);
        }
    }
    return d;
}

QString colour(const QColor& c) {
    return c.name(QColor::HexRgb);
}

QString svg(const std::vector<Layer>& icon) {
    QString defs;
    QString body;
    int gradients = 0;
    for (const Layer& layer : icon) {
        QString fill;
        QString opacity;
        if (const auto* g = static_cast<const QLinearGradient*>(layer.brush.gradient())) {
            const QString id = QStringLiteral("g%1").arg(++gradients);
            defs += QStringLiteral("<linearGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" "
                                   "x1=\"%2\" y1=\"%3\" x2=\"%4\" y2=\"%5\">")
                        .arg(id, num(g->start().x()), num(g->start().y()), num(g->finalStop().x()),
                             num(g->finalStop().y()));
            for (const QGradientStop& stop : g->stops())
                defs += QStringLiteral("<stop offset=\"%1\" stop-color=\"%2\"/>")
                            .arg(num(stop.first), colour(stop.second));
            defs += QStringLiteral("</linearGradient>\n");
            fill = QStringLiteral("url(#%1)").arg(id);
        } else {
            fill = colour(layer.brush.color());
            if (layer.brush.color().alpha() < 255)
                opacity =
                    QStringLiteral(" fill-opacity=\"%1\"").arg(num(layer.brush.color().alphaF()));
        }
        const char* rule = layer.path.fillRule() == Qt::OddEvenFill ? "evenodd" : "nonzero";
        body += QStringLiteral("<path fill=\"%1\"%2 fill-rule=\"%3\" d=\"%4\"/>\n")
                    .arg(fill, opacity, QLatin1String(rule), pathData(layer.path));
    }
    return QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" "
                          "viewBox=\"0 0 64 64\">\n<defs>\n%1</defs>\n%2</svg>\n")
        .arg(defs, body);
}

bool writeText(const QString& file, const QString& text) {
    QFile out(file);
    return out.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           out.write(text.toUtf8()) == text.toUtf8().size();
}

} // namespace

bool writeAppIcon(const QString& hicolorDir, const QString& name) {
    const std::vector<Layer> icon = layers();
    bool ok = true;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(hicolorDir).arg(size);
        const QString file = dir + "/" + name + ".png";
        if (!QDir().mkpath(dir) || !writePng(icon, size, file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            ok = false;
        }
    }
    const QString dir = hicolorDir + "/scalable/apps";
    const QString file = dir + "/" + name + ".svg";
    if (!QDir().mkpath(dir) || !writeText(file, svg(icon))) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        ok = false;
    }
    return ok;
}
