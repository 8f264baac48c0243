#pragma once

#include <QString>

class QWidget;

namespace ui {

class PickerView;

// What a picker's rows show and what happens when the user settles a wheel on a row.
// Rows are a text or a view; a view wins when both are given. Negative sizes mean "default".
class PickerViewDelegate {
public:
    virtual ~PickerViewDelegate() = default;
    virtual QString titleForRow(PickerView* picker, int row, int component);
    // A view for the row; the picker draws it and keeps it until the component is reloaded.
    virtual QWidget* viewForRow(PickerView* picker, int row, int component);
    virtual int widthForComponent(PickerView* picker, int component);
    virtual int rowHeightForComponent(PickerView* picker, int component);
    // The user turned the wheel to this row (never called for selectRow()).
    virtual void didSelectRow(PickerView* picker, int row, int component);
};

} // namespace ui
