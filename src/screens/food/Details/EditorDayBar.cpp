#include "screens/food/Details/EditorDayBar.h"

#include "core/text/ConvertUtil.h"
#include "ui/BarPainter.h"
#include "ui/Label.h"
#include "ui/Metrics.h"
#include "ui/controls/ControlImages.h"
#include "ui/controls/ImageButton.h"

#include <QPainter>

namespace {

QAbstractButton* arrow(const QString& image, int x, QWidget* parent) {
    auto* button = new ImageButton(ControlImages::image(image), ImageButton::Fit::Stretch, parent);
    button->setObjectName(image);
    button->setGeometry(x, 0, 45, EditorDayBar::Height);
    return button;
}

} // namespace

EditorDayBar::EditorDayBar(bool withArrows, QWidget* parent)
    : QWidget(parent), monthLabel_(ui::Label::make(this, QRect(54, 0, 212, Height), 16, true,
                                                   Qt::white, Qt::AlignCenter)) {
    setObjectName("dayBar");
    resize(ui::Metrics::ScreenWidth, Height);
    monthLabel_->setObjectName("monthLabel");
    if (!withArrows)
        return;
    minus_ = arrow("left.png", 10, this);
    plus_ = arrow("right.png", 266, this);
    connect(minus_, &QAbstractButton::clicked, this, &EditorDayBar::minusDay);
    connect(plus_, &QAbstractButton::clicked, this, &EditorDayBar::plusDay);
}

void EditorDayBar::showDate(const QDateTime& date) {
    monthLabel_->setText(date.isValid() ? ConvertUtil::date2str(date, ConvertUtil::LongStyle)
                                        : QStringLiteral("No date"));
}

void EditorDayBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    ui::BarPainter::paintBar(p, rect(), ui::Metrics::tintColor());
}
