#include "ImageSpec.h"
#include "Palette.h"
#include "Shapes.h"

#include <QPainterPath>

namespace {

using namespace palette;

void background(QPainter& p, const QSizeF& s) {
    shapes::vertical(p, QRectF(QPointF(0, 0), s), paper, paperShade);
    // Faint diagonal weave: texture without competing with the content.
    p.setPen(QPen(QColor(160, 140, 100, 18), 0.5));
    for (qreal x = -s.height(); x < s.width(); x += 4)
        p.drawLine(QPointF(x, 0), QPointF(x + s.height(), s.height()));
}

void sectionBar(QPainter& p, const QSizeF& s) {
    const QRectF r(QPointF(0, 0), s);
    shapes::vertical(p, r, QColor(192, 176, 136), QColor(160, 142, 100));
    p.setPen(QPen(QColor(255, 255, 255, 140), 1));
    p.drawLine(QPointF(0, 0.5), QPointF(s.width(), 0.5));
    p.setPen(QPen(tintDark, 1));
    p.drawLine(QPointF(0, s.height() - 0.5), QPointF(s.width(), s.height() - 0.5));
}

void cellBackground(QPainter& p, const QSizeF& s) {
    shapes::vertical(p, QRectF(QPointF(0, 0), s), QColor(255, 254, 247), QColor(246, 241, 225));
    p.setPen(QPen(QColor(255, 255, 255, 200), 1));
    p.drawLine(QPointF(0, 0.5), QPointF(s.width(), 0.5));
}

// Text painted with this pattern reads as a deep brown with a gentle sheen; the gradient is
// mirrored so tiles meet without a seam.
void fontPattern(QPainter& p, const QSizeF& s) {
    QLinearGradient g(0, 0, 0, s.height());
    g.setColorAt(0, brownDark);
    g.setColorAt(0.5, brown);
    g.setColorAt(1, brownDark);
    p.fillRect(QRectF(QPointF(0, 0), s), g);
}

void arrowButton(QPainter& p, const QSizeF& s, int dir) {
    const QRectF r = QRectF(QPointF(0, 0), s).adjusted(6, 7, -6, -7);
    shapes::panel(p, r, 7, QColor(255, 255, 255, 60), QColor(0, 0, 0, 40), QColor(60, 48, 22, 150));
    shapes::chevron(p, r.center() + QPointF(dir < 0 ? -1 : 1, 0), 13, dir, Qt::white, 3);
}

void spinButton(QPainter& p, const QSizeF& s, bool plus) {
    const QRectF r = QRectF(QPointF(0, 0), s).adjusted(5, 5, -5, -5);
    p.setPen(QPen(tintDark, 1));
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, tintLight);
    g.setColorAt(1, tint);
    p.setBrush(g);
    p.drawEllipse(r);
    p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap));
    const QPointF c = r.center();
    p.drawLine(c - QPointF(8, 0), c + QPointF(8, 0));
    if (plus)
        p.drawLine(c - QPointF(0, 8), c + QPointF(0, 8));
}

void spinPanel(QPainter& p, const QSizeF& s, const QColor& top, const QColor& bottom) {
    shapes::vertical(p, QRectF(QPointF(0, 0), s), top, bottom);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1));
    p.drawLine(QPointF(0, 0.5), QPointF(s.width(), 0.5));
    p.setPen(QPen(tintDark, 1));
    p.drawLine(QPointF(0, 1.5), QPointF(s.width(), 1.5));
    // A groove down the middle separates the two spins.
    p.setPen(QPen(QColor(0, 0, 0, 40), 1));
    p.drawLine(QPointF(s.width() / 2 - 0.5, 8), QPointF(s.width() / 2 - 0.5, s.height() - 8));
    p.setPen(QPen(QColor(255, 255, 255, 120), 1));
    p.drawLine(QPointF(s.width() / 2 + 0.5, 8), QPointF(s.width() / 2 + 0.5, s.height() - 8));
}

void card(QPainter& p, const QSizeF& s, qreal radius) {
    shapes::panel(p, QRectF(QPointF(0, 0), s).adjusted(1, 1, -1, -2), radius, Qt::white,
                  QColor(250, 246, 234), line);
}

void nutritionPanel(QPainter& p, const QSizeF& s) {
    card(p, s, 8);
    p.setPen(QPen(QColor(201, 190, 160, 160), 1, Qt::DotLine));
    for (int i = 1; i < 4; ++i) {
        const qreal y = s.height() * i / 4.0;
        p.drawLine(QPointF(10, y), QPointF(s.width() - 10, y));
    }
}

void pickerBackground(QPainter& p, const QSizeF& s) {
    shapes::vertical(p, QRectF(QPointF(0, 0), s), QColor(88, 76, 50), QColor(52, 44, 28));
    const QRectF well = QRectF(QPointF(0, 0), s).adjusted(10, 10, -10, -10);
    QLinearGradient g(well.topLeft(), well.bottomLeft());
    g.setColorAt(0, QColor(200, 195, 180));
    g.setColorAt(0.2, Qt::white);
    g.setColorAt(0.8, Qt::white);
    g.setColorAt(1, QColor(200, 195, 180));
    p.setPen(QPen(QColor(30, 24, 12), 1));
    p.setBrush(g);
    p.drawRoundedRect(well, 6, 6);
}

void textField(QPainter& p, const QSizeF& s) {
    const QRectF r = QRectF(QPointF(0, 0), s).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(QColor(120, 104, 70), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(r, 8, 8);
    // Inset shadow along the top edge, as a sunken field.
    QPainterPath clip;
    clip.addRoundedRect(r, 8, 8);
    p.setClipPath(clip);
    shapes::shadowStrip(p, QRectF(0, 0, s.width(), 6), 70);
}

} // namespace

void addChromeImages(ImageList& out) {
    out.push_back({"background.png", {320, 460}, background});
    out.push_back({"section.png", {320, 18}, sectionBar});
    out.push_back({"section2.png", {320, 23}, sectionBar});
    out.push_back({"cell_bg.png", {320, 44}, cellBackground});
    out.push_back({"font_bg.png", {8, 24}, fontPattern});
    out.push_back(
        {"left.png", {45, 44}, [](QPainter& p, const QSizeF& s) { arrowButton(p, s, -1); }});
    out.push_back(
        {"right.png", {45, 44}, [](QPainter& p, const QSizeF& s) { arrowButton(p, s, 1); }});
    out.push_back({"spin_minus.png", {44, 44}, [](QPainter& p, const QSizeF& s) {
                       spinButton(p, s, false);
                   }});
    out.push_back(
        {"spin_plus.png", {44, 44}, [](QPainter& p, const QSizeF& s) { spinButton(p, s, true); }});
    out.push_back({"bottom_panel.png", {320, 100}, [](QPainter& p, const QSizeF& s) {
                       spinPanel(p, s, QColor(236, 226, 196), QColor(210, 195, 156));
                   }});
    out.push_back({"bottom_panel_ex.png", {320, 100}, [](QPainter& p, const QSizeF& s) {
                       spinPanel(p, s, QColor(222, 232, 204), QColor(189, 205, 162));
                   }});
    out.push_back({"nutrition_panel.png", {150, 100}, nutritionPanel});
    out.push_back({"picker_bg.png", {320, 216}, pickerBackground});
    // Stretchable: caps of 131 and 43 points, one stretching pixel between them.
    out.push_back(
        {"quick_table_bg.png", {263, 87}, [](QPainter& p, const QSizeF& s) { card(p, s, 12); }});
    out.push_back({"text_bg.png", {33, 33}, textField});
    out.push_back({"panel_shadow.png", {320, 10}, [](QPainter& p, const QSizeF& s) {
                       shapes::shadowStrip(p, QRectF(QPointF(0, 0), s), 90);
                   }});
}
