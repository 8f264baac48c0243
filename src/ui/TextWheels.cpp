#include "ui/TextWheels.h"

#include "ui/PickerView.h"

namespace ui {

TextWheels::TextWheels(QList<QStringList> wheels, int width, int rowHeight, Chosen chosen)
    : wheels_(std::move(wheels)), width_(width), rowHeight_(rowHeight), chosen_(std::move(chosen)) {
}

void TextWheels::attachTo(PickerView* picker) {
    picker->setDataSource(this);
    picker->setDelegate(this);
}

int TextWheels::numberOfComponents(PickerView*) {
    return int(wheels_.size());
}

int TextWheels::numberOfRows(PickerView*, int component) {
    return int(wheels_.value(component).size());
}

QString TextWheels::titleForRow(PickerView*, int row, int component) {
    return wheels_.value(component).value(row);
}

int TextWheels::widthForComponent(PickerView*, int) {
    return width_;
}

int TextWheels::rowHeightForComponent(PickerView*, int) {
    return rowHeight_;
}

void TextWheels::didSelectRow(PickerView*, int row, int component) {
    if (chosen_)
        chosen_(row, component);
}

} // namespace ui
