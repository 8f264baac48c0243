#include "screens/weight/WeighingTableCell.h"

#include "screens/weight/WeightTexts.h"
#include "ui/Metrics.h"
#include "ui/controls/ControlImages.h"

#include <QPainter>

// Row geometry in points: the first line (time on the left, weight at the right), the note
// under it, and how far the note reaches while Delete shows.
namespace {
const QRect timeFrame(10, 4, 150, 18);
const QRect weightFrame(160, 4, 150, 18);
const QRect noteFrame(10, 22, 300, 16);
const int noteWidthWithDelete = 228;
} // namespace

WeighingTableCell::WeighingTableCell(const QString& reuseIdentifier, QWidget* parent)
    : FastTableViewCell(reuseIdentifier, parent) {}

void WeighingTableCell::setInfo(const Weighing& info) {
    info_ = info;
    setNeedsDisplay();
}

QString WeighingTableCell::timeText() const {
    return info_ ? WeightTexts::timeOfDay(QDateTime::fromSecsSinceEpoch(info_->time())) : QString();
}

QString WeighingTableCell::weightText() const {
    if (!info_ || showingDeleteConfirmation())
        return {};
    return WeightTexts::withUnit(info_->weight(), WeightTexts::usePounds());
}

QString WeighingTableCell::noteText() const {
    return info_ ? info_->note() : QString();
}

void WeighingTableCell::drawContentView(QPainter& painter, const QRect& rect) {
    const bool selected = isSelected();
    if (!selected)
        painter.drawPixmap(rect, ControlImages::image(QStringLiteral("cell_bg.png")));
    if (!info_)
        return;
    const QPoint origin = rect.topLeft();
    painter.setFont(ui::Metrics::font(14, true));
    painter.setPen(selected ? QColor(Qt::white) : QColor(Qt::black));
    painter.drawText(timeFrame.translated(origin), Qt::AlignLeft | Qt::AlignVCenter, timeText());
    painter.setPen(selected ? QColor(Qt::white) : ui::Metrics::figureColor());
    painter.drawText(weightFrame.translated(origin), Qt::AlignRight | Qt::AlignVCenter,
                     weightText());

    const QFont noteFont = ui::Metrics::font(13);
    painter.setFont(noteFont);
    painter.setPen(selected ? QColor(Qt::white) : QColor(Qt::darkGray));
    QRect note = noteFrame.translated(origin);
    if (showingDeleteConfirmation())
        note.setWidth(noteWidthWithDelete);
    // One line: a note of several lines reads as its first words.
    const QString line = noteText().simplified();
    painter.drawText(note, Qt::AlignLeft | Qt::AlignVCenter,
                     QFontMetrics(noteFont).elidedText(line, Qt::ElideRight, note.width()));
}
