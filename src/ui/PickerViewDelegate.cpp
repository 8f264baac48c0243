#include "ui/PickerViewDelegate.h"

namespace ui {

QString PickerViewDelegate::titleForRow(PickerView*, int, int) {
    return {};
}
QWidget* PickerViewDelegate::viewForRow(PickerView*, int, int) {
    return nullptr;
}
int PickerViewDelegate::widthForComponent(PickerView*, int) {
    return -1;
}
int PickerViewDelegate::rowHeightForComponent(PickerView*, int) {
    return -1;
}
void PickerViewDelegate::didSelectRow(PickerView*, int, int) {}

} // namespace ui
