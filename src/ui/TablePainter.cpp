#include "ui/TablePainter.h"

#include "ui/BarPainter.h"

#include <QPainter>

namespace ui {

void TablePainter::paintBackground(QPainter& p, const QRect& rect, const QColor& colour,
                                   bool grouped) {
    if (colour.alpha() == 0)
        return;
    p.fillRect(rect, colour);
    if (grouped) {
        // Fine vertical pinstripes, the usual ground of grouped settings lists.
        p.setPen(QPen(QColor(255, 255, 255, 60), 1));
        for (int x = rect.left() + 3; x < rect.right(); x += 7)
            p.drawLine(x, rect.top(), x, rect.bottom());
    }
}

void TablePainter::paintTitle(QPainter& p, const QRect& r, const QString& title, bool grouped,
                              int groupInset) {
    QFont font = p.font();
    font.setBold(true);
    if (!grouped) {
        p.fillRect(r, BarPainter::vertical(
                          r, {{0, QColor(168, 156, 128, 235)}, {1, QColor(140, 126, 96, 235)}}));
        font.setPixelSize(16);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(r.adjusted(12, 0, -8, 0), Qt::AlignVCenter | Qt::AlignLeft, title);
        return;
    }
    font.setPixelSize(17);
    p.setFont(font);
    const QRect text = r.adjusted(groupInset + 10, 0, -8, -6);
    // A one-point white shadow under dark text: engraved into the ground.
    p.setPen(QColor(255, 255, 255, 200));
    p.drawText(text.translated(0, 1), Qt::AlignBottom | Qt::AlignLeft, title);
    p.setPen(QColor(76, 66, 46));
    p.drawText(text, Qt::AlignBottom | Qt::AlignLeft, title);
}

} // namespace ui
