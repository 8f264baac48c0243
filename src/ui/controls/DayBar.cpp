#include "ui/controls/DayBar.h"

#include "core/dates/DateUtil.h"
#include "core/text/ConvertUtil.h"
#include "ui/Label.h"
#include "ui/controls/ControlImages.h"
#include "ui/controls/ImageButton.h"

namespace {

QAbstractButton* arrow(const char* image, const char* name, int x, QWidget* parent) {
    auto* button = new ImageButton(ControlImages::image(image), ImageButton::Fit::Stretch, parent);
    button->setObjectName(name);
    button->setGeometry(x, 0, 45, DayBar::Height);
    return button;
}

} // namespace

DayBar::DayBar(QWidget* parent)
    : ui::TintedBar(parent), label_(ui::Label::make(this, QRect(54, 0, 212, Height), 16, true,
                                                    Qt::white, Qt::AlignCenter)),
      minus_(arrow("left.png", "minusDay", 10, this)),
      plus_(arrow("right.png", "plusDay", 266, this)) {
    setObjectName("dayBar");
    label_->setObjectName("dayLabel");
    connect(minus_, &QAbstractButton::clicked, this, [this] { stepDays(-1); });
    connect(plus_, &QAbstractButton::clicked, this, [this] { stepDays(1); });
    setDate(QDateTime());
}

void DayBar::setDate(const QDateTime& date) {
    date_ = date;
    label_->setText(date.isValid() ? ConvertUtil::date2str(date, ConvertUtil::LongStyle)
                                   : QStringLiteral("No date"));
}

void DayBar::stepDays(int days) {
    if (!date_.isValid())
        return;
    setDate(DateUtil::addDays(date_, days));
    emit dateStepped(date_);
}

void DayBar::setArrowsVisible(bool visible) {
    arrowsVisible_ = visible;
    minus_->setVisible(visible);
    plus_->setVisible(visible);
}
