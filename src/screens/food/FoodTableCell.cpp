#include "screens/food/FoodTableCell.h"

#include "ui/controls/ControlImages.h"

#include <QPainter>

namespace {

const QColor lightGray(170, 170, 170);
const QColor brown(153, 102, 51);
const int nameX = 44;
const int nameWidth = 271;
const int nameWidthWithDelete = 200;
const int scoreRight = 312;
const int gap = 3;

QColor toColor(const QVColor& c) {
    return QColor(c.r, c.g, c.b, qRound(c.a * 255));
}

QFont pixelFont(int size, bool bold) {
    QFont font;
    font.setPixelSize(size);
    font.setBold(bold);
    return font;
}

// The portion text's leading digits as a number, so "0.50x250" reads 0.
int leadingInteger(const QString& text) {
    int value = 0;
    for (const QChar c : text) {
        if (!c.isDigit())
            break;
        value = value * 10 + c.digitValue();
    }
    return value;
}

} // namespace

FoodTableCell::FoodTableCell(const QString& reuseIdentifier, QWidget* parent)
    : FastTableViewCell(reuseIdentifier, parent) {}

void FoodTableCell::setInfo(SavedFoodPtr info) {
    info_ = std::move(info);
    setNeedsDisplay();
}

QList<FoodTableCell::Piece> FoodTableCell::secondLine() const {
    QList<Piece> pieces;
    if (!info_)
        return pieces;
    const bool portions = leadingInteger(info_->portionString()) != 0;
    const QString first =
        portions ? info_->portionString() : info_->caloriesString() + QStringLiteral(" cals");
    const bool hasDiff = !info_->caloriesDiffString().isEmpty();
    pieces.append({first, lightGray, gap});
    if (hasDiff)
        pieces.append({info_->caloriesDiffString(), toColor(info_->caloriesDiffColor()), gap});
    // A row that already reads "... cals" gets no second "cals".
    if (portions && info_->resultPoints() != 0.0f)
        pieces.append({QStringLiteral("cals"), lightGray, 0});
    return pieces;
}

QList<FoodTableCell::Piece> FoodTableCell::score() const {
    QList<Piece> pieces;
    if (!info_ || showingDeleteConfirmation() || info_->pointsString().isEmpty())
        return pieces;
    pieces.append({info_->pointsString(), brown, gap});
    if (!info_->pointsDiffString().isEmpty())
        pieces.append({info_->pointsDiffString(), toColor(info_->pointsDiffColor()), gap});
    pieces.append({QStringLiteral("score"), brown, 0});
    return pieces;
}

QStringList FoodTableCell::secondLineTexts() const {
    QStringList texts;
    for (const Piece& piece : secondLine())
        texts.append(piece.text);
    return texts;
}

QStringList FoodTableCell::scoreTexts() const {
    QStringList texts;
    for (const Piece& piece : score())
        texts.append(piece.text);
    return texts;
}

void FoodTableCell::drawContentView(QPainter& painter, const QRect& rect) {
    const bool selected = isSelected();
    if (!selected)
        painter.drawPixmap(rect, ControlImages::image(QStringLiteral("cell_bg.png")));
    if (!info_)
        return;
    const QPoint origin = rect.topLeft();
    if (!info_->kindImage().isEmpty()) {
        const QPixmap kind = ControlImages::image(info_->kindImage());
        if (!kind.isNull())
            painter.drawPixmap(QRect(origin + QPoint(6, 6), QSize(32, 32)), kind);
    }

    const QFont nameFont = pixelFont(14, true);
    painter.setFont(nameFont);
    painter.setPen(selected ? QColor(Qt::white) : QColor(Qt::black));
    const int width = showingDeleteConfirmation() ? nameWidthWithDelete : nameWidth;
    const QString name = QFontMetrics(nameFont).elidedText(info_->name(), Qt::ElideRight, width);
    painter.drawText(QRect(origin + QPoint(nameX, 6), QSize(width, 16)),
                     Qt::AlignLeft | Qt::AlignVCenter, name);

    const QFont lineFont = pixelFont(13, false);
    const QFontMetrics metrics(lineFont);
    painter.setFont(lineFont);
    const int lineTop = origin.y() + 22;
    const int lineHeight = metrics.height();
    int x = origin.x() + nameX;
    for (const Piece& piece : secondLine()) {
        const int advance = metrics.horizontalAdvance(piece.text);
        painter.setPen(selected ? QColor(Qt::white) : piece.color);
        painter.drawText(QRect(x, lineTop, advance + 1, lineHeight), Qt::AlignLeft, piece.text);
        x += advance + piece.gapAfter;
    }

    const QList<Piece> right = score();
    int total = 0;
    for (const Piece& piece : right)
        total += metrics.horizontalAdvance(piece.text) + piece.gapAfter;
    x = origin.x() + scoreRight - total;
    for (const Piece& piece : right) {
        const int advance = metrics.horizontalAdvance(piece.text);
        painter.setPen(selected ? QColor(Qt::white) : piece.color);
        painter.drawText(QRect(x, lineTop, advance + 1, lineHeight), Qt::AlignLeft, piece.text);
        x += advance + piece.gapAfter;
    }
}
