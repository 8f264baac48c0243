#include "screens/profile/WeightLossCell.h"

#include "ui/Label.h"

#include <algorithm>

namespace {

const int fontSize = 16;
const int titleLeft = 10;
const QColor valueGrey(128, 128, 128);

} // namespace

WeightLossCell::WeightLossCell(ui::AccessoryType accessory, const QString& reuseIdentifier,
                               QWidget* parent)
    : ui::TableViewCell(reuseIdentifier, parent),
      lbTitle_(ui::Label::make(this, {}, fontSize, false, Qt::black)),
      lbValue_(ui::Label::make(this, {}, fontSize, false, valueGrey, Qt::AlignRight)) {
    lbTitle_->setObjectName("lbTitle");
    lbValue_->setObjectName("lbValue");
    setAccessoryType(accessory);
}

void WeightLossCell::setTexts(const QString& title, const QString& value) {
    lbTitle_->setText(title);
    lbValue_->setText(value);
    layoutLabels();
}

void WeightLossCell::resizeEvent(QResizeEvent* event) {
    ui::TableViewCell::resizeEvent(event);
    layoutLabels();
}

void WeightLossCell::layoutLabels() {
    const QRect content = contentRect();
    const int right = content.right() - 8;
    const int titleEnd = titleLeft + lbTitle_->sizeHint().width();
    const int nominal = accessoryType() == ui::AccessoryType::None ? 150 : 130;
    const int valueLeft =
        std::max(titleEnd + 8, std::min(nominal, right - lbValue_->sizeHint().width()));
    lbTitle_->setGeometry(titleLeft, 0, valueLeft - titleLeft, content.height());
    lbValue_->setGeometry(valueLeft, 0, right - valueLeft, content.height());
}

void WeightLossCell::prepareForReuse() {
    ui::TableViewCell::prepareForReuse();
    applyColours();
}

void WeightLossCell::stateChanged() {
    applyColours();
    ui::TableViewCell::stateChanged();
}

void WeightLossCell::applyColours() {
    // Both texts turn white on the highlight, as the standard labels do.
    const bool lit = isSelected();
    lbTitle_->setTextColor(lit ? QColor(Qt::white) : QColor(Qt::black));
    lbValue_->setTextColor(lit ? QColor(Qt::white) : valueGrey);
}
