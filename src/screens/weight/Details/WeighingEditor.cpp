#include "screens/weight/Details/WeighingEditor.h"

#include "ui/Label.h"
#include "ui/Metrics.h"
#include "ui/controls/DayBar.h"
#include "ui/controls/PixmapView.h"

namespace {
const int infoHeight = 44;
} // namespace

WeighingEditor::WeighingEditor(QObject* parent)
    : DayEntryEditor(false, QString(), QStringLiteral("Save"), parent) {}

void WeighingEditor::loadView() {
    DayEntryEditor::loadView();
    // Grey instead of the diary's background image.
    if (auto* background = qobject_cast<PixmapView*>(view()))
        background->setPixmap(QPixmap());
    view()->setAutoFillBackground(true);
    QPalette palette = view()->palette();
    palette.setColor(QPalette::Window, QColor::fromRgbF(0.8f, 0.8f, 0.8f));
    view()->setPalette(palette);
    infolabel_ =
        ui::Label::make(view(), QRect(0, DayBar::Height, ui::Metrics::ScreenWidth, infoHeight), 22,
                        true, Qt::black, Qt::AlignCenter);
    infolabel_->setObjectName("infolabel");
}

QRect WeighingEditor::wheelFrame() {
    return {0, ui::Metrics::FullContentHeight - WheelHeight, ui::Metrics::ScreenWidth, WheelHeight};
}

void WeighingEditor::setDate(const QDateTime& date) {
    setMoment(WeighingMoment(date));
}

void WeighingEditor::setMoment(const WeighingMoment& moment) {
    moment_ = moment;
    DayEntryEditor::setDate(moment_.moment());
    momentChanged();
}

void WeighingEditor::dayStepped(const QDateTime& date) {
    WeighingMoment moved = moment_;
    moved.setDay(date.date());
    setMoment(moved);
}
