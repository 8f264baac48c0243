#include "screens/common/DiaryEntryCell.h"

#include "ui/Metrics.h"
#include "ui/controls/ControlImages.h"

#include <QPainter>

namespace {

const int textX = 44;
const int nameWidth = 271;
const int nameWidthWithDelete = 200;
const int rightEdge = 312;
const int secondLineY = 22;

} // namespace

const QColor DiaryEntryCell::lightGray(170, 170, 170);
const QColor DiaryEntryCell::brown(153, 102, 51);

DiaryEntryCell::DiaryEntryCell(const QString& reuseIdentifier, QWidget* parent)
    : FastTableViewCell(reuseIdentifier, parent) {}

QStringList DiaryEntryCell::texts(const Pieces& pieces) {
    QStringList result;
    for (const Piece& piece : pieces)
        result.append(piece.text);
    return result;
}

void DiaryEntryCell::drawContentView(QPainter& painter, const QRect& rect) {
    const bool selected = isSelected();
    if (!selected)
        painter.drawPixmap(rect, ControlImages::image(QStringLiteral("cell_bg.png")));
    if (!hasEntry())
        return;
    const QPoint origin = rect.topLeft();
    const QPixmap image = entryImage().isEmpty() ? QPixmap() : ControlImages::image(entryImage());
    if (!image.isNull())
        painter.drawPixmap(QRect(origin + QPoint(6, 6), QSize(32, 32)), image);

    const QFont nameFont = ui::Metrics::font(14, true);
    painter.setFont(nameFont);
    painter.setPen(selected ? QColor(Qt::white) : QColor(Qt::black));
    const int width = showingDeleteConfirmation() ? nameWidthWithDelete : nameWidth;
    const QString name = QFontMetrics(nameFont).elidedText(entryName(), Qt::ElideRight, width);
    painter.drawText(QRect(origin + QPoint(textX, 6), QSize(width, 16)),
                     Qt::AlignLeft | Qt::AlignVCenter, name);

    const QFont lineFont = ui::Metrics::font(13, false);
    const QFontMetrics metrics(lineFont);
    painter.setFont(lineFont);
    const int top = origin.y() + secondLineY;
    drawPieces(painter, leftPieces(), origin.x() + textX, top, selected);
    const Pieces right = rightPieces();
    int total = 0;
    for (const Piece& piece : right)
        total += metrics.horizontalAdvance(piece.text) + piece.gapAfter;
    drawPieces(painter, right, origin.x() + rightEdge - total, top, selected);
}

void DiaryEntryCell::drawPieces(QPainter& painter, const Pieces& pieces, int x, int top,
                                bool selected) {
    const QFontMetrics metrics(painter.font());
    for (const Piece& piece : pieces) {
        const int advance = metrics.horizontalAdvance(piece.text);
        painter.setPen(selected ? QColor(Qt::white) : piece.color);
        painter.drawText(QRect(x, top, advance + 1, metrics.height()), Qt::AlignLeft, piece.text);
        x += advance + piece.gapAfter;
    }
}
