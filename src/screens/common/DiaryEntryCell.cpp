#include "screens/common/DiaryEntryCell.h"

#include "core/diary/DiaryEntry.h"
#include "ui/Metrics.h"
#include "ui/controls/ControlImages.h"

#include <QPainter>

// Row geometry in points: the image, the name line (narrower while Delete shows), where the
// second line starts and where its right-hand run ends.
namespace {
const QRect imageFrame(6, 6, 32, 32);
const QRect nameFrame(44, 6, 271, 16);
const int nameWidthWithDelete = 200;
const QPoint secondLine(44, 22);
const int rightEdge = 312;
} // namespace

const QColor DiaryEntryCell::lightGray(170, 170, 170);
const QColor DiaryEntryCell::brown = ui::Metrics::figureColor();

DiaryEntryCell::DiaryEntryCell(const QString& reuseIdentifier, QWidget* parent)
    : FastTableViewCell(reuseIdentifier, parent) {}

void DiaryEntryCell::setEntry(std::shared_ptr<DiaryEntry> entry) {
    entry_ = std::move(entry);
    setNeedsDisplay();
}

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
    if (!entry_)
        return;
    const QPoint origin = rect.topLeft();
    const QString& imageName = entry_->kindImage();
    const QPixmap image = imageName.isEmpty() ? QPixmap() : ControlImages::image(imageName);
    if (!image.isNull())
        painter.drawPixmap(imageFrame.translated(origin), image);

    const QFont nameFont = ui::Metrics::font(14, true);
    painter.setFont(nameFont);
    painter.setPen(selected ? QColor(Qt::white) : QColor(Qt::black));
    QRect nameRect = nameFrame.translated(origin);
    if (showingDeleteConfirmation())
        nameRect.setWidth(nameWidthWithDelete);
    const QString name =
        QFontMetrics(nameFont).elidedText(entry_->name(), Qt::ElideRight, nameRect.width());
    painter.drawText(nameRect, Qt::AlignLeft | Qt::AlignVCenter, name);

    const QFont lineFont = ui::Metrics::font(13, false);
    const QFontMetrics metrics(lineFont);
    painter.setFont(lineFont);
    const int top = origin.y() + secondLine.y();
    drawPieces(painter, leftPieces(), origin.x() + secondLine.x(), top, selected);
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
