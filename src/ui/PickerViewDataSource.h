#pragma once

namespace ui {

class PickerView;

// How many wheels a picker has and how many rows each wheel holds.
class PickerViewDataSource {
public:
    virtual ~PickerViewDataSource() = default;
    virtual int numberOfComponents(PickerView* picker) = 0;
    virtual int numberOfRows(PickerView* picker, int component) = 0;
};

} // namespace ui
