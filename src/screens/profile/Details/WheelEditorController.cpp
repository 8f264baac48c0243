#include "screens/profile/Details/WheelEditorController.h"

#include "screens/common/WheelRowLabel.h"
#include "ui/Label.h"
#include "ui/PickerView.h"

#include <algorithm>

namespace {

const int rowWidth = 70;
const int rowHeight = 40;

} // namespace

WheelEditorController::WheelEditorController(const QString& title, const QString& key,
                                             QObject* parent)
    : PickerEditorController(title, parent), keyValue_(key) {}

QWidget* WheelEditorController::createWheel(QWidget* parent) {
    picker_ = new ui::PickerView(parent);
    picker_->setObjectName("wheels");
    picker_->setShowsSelectionIndicator(true);
    picker_->setDataSource(this);
    picker_->setDelegate(this);
    return picker_;
}

QString WheelEditorController::selectedText(int component) const {
    return arrayByComponent(component).value(picker_->selectedRowInComponent(component));
}

void WheelEditorController::viewWillAppear() {
    PickerEditorController::viewWillAppear();
    picker_->reloadAllComponents();
    const QList<int> rows = storedRows();
    for (int c = 0; c < picker_->numberOfComponents(); ++c) {
        const int last = std::max(0, picker_->numberOfRowsInComponent(c) - 1);
        picker_->selectRow(std::clamp(rows.value(c), 0, last), c, false);
    }
    openedRows_ = selectedRows();
    showInfo();
}

QList<int> WheelEditorController::selectedRows() const {
    QList<int> rows;
    for (int c = 0; c < picker_->numberOfComponents(); ++c)
        rows.append(picker_->selectedRowInComponent(c));
    return rows;
}

bool WheelEditorController::hasChanged() const {
    return selectedRows() != openedRows_;
}

void WheelEditorController::showInfo() {
    infolabel()->setText(infoText());
}

int WheelEditorController::numberOfComponents(ui::PickerView*) {
    int count = 0;
    while (!arrayByComponent(count).isEmpty())
        ++count;
    return count;
}

int WheelEditorController::numberOfRows(ui::PickerView*, int component) {
    return int(arrayByComponent(component).size());
}

QWidget* WheelEditorController::viewForRow(ui::PickerView*, int row, int component) {
    return new WheelRowLabel(arrayByComponent(component).value(row), isRowEnabled(row, component));
}

int WheelEditorController::widthForComponent(ui::PickerView*, int) {
    return rowWidth;
}

int WheelEditorController::rowHeightForComponent(ui::PickerView*, int) {
    return rowHeight;
}

void WheelEditorController::didSelectRow(ui::PickerView*, int row, int component) {
    rowChosen(row, component);
    showInfo();
}

bool WheelEditorController::isRowEnabled(int, int) const {
    return true;
}

void WheelEditorController::rowChosen(int, int) {}
