#pragma once

#include "ui/PickerViewDataSource.h"
#include "ui/PickerViewDelegate.h"

#include <QList>
#include <QStringList>
#include <functional>

namespace ui {

// The source and delegate of a picker whose wheels hold fixed lists of texts, all of one width
// and row height. A settled wheel is reported to the owner's callback.
class TextWheels : public PickerViewDataSource, public PickerViewDelegate {
public:
    using Chosen = std::function<void(int row, int component)>;

    TextWheels(QList<QStringList> wheels, int width, int rowHeight, Chosen chosen);

    // Puts this on the picker as both its source and its delegate.
    void attachTo(PickerView* picker);

    int numberOfComponents(PickerView* picker) override;
    int numberOfRows(PickerView* picker, int component) override;
    QString titleForRow(PickerView* picker, int row, int component) override;
    int widthForComponent(PickerView* picker, int component) override;
    int rowHeightForComponent(PickerView* picker, int component) override;
    void didSelectRow(PickerView* picker, int row, int component) override;

private:
    QList<QStringList> wheels_;
    int width_;
    int rowHeight_;
    Chosen chosen_;
};

} // namespace ui
