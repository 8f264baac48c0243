#pragma once

#include "screens/profile/Details/PickerEditorController.h"
#include "ui/PickerViewDataSource.h"
#include "ui/PickerViewDelegate.h"

#include <QList>
#include <QStringList>

namespace ui {
class PickerView;
}

// A picker editor whose wheels hold lists of texts and edit the setting under keyValue. Each
// appearance builds the lists for the units in use and turns the wheels to the stored value,
// kept inside the wheels whatever the value (one stored in the other unit system may fall past
// either end).
class WheelEditorController : public PickerEditorController,
                              public ui::PickerViewDataSource,
                              public ui::PickerViewDelegate {
    Q_OBJECT
public:
    ui::PickerView* picker() const { return picker_; }
    // The settings key edited.
    QString keyValue() const { return keyValue_; }
    void setKeyValue(const QString& key) { keyValue_ = key; }
    // The texts of a component's rows; none for a component that does not exist.
    virtual QStringList arrayByComponent(int component) const = 0;
    // The text of the row a component stands on.
    QString selectedText(int component) const;

    void viewWillAppear() override;

    int numberOfComponents(ui::PickerView* picker) override;
    int numberOfRows(ui::PickerView* picker, int component) override;
    QWidget* viewForRow(ui::PickerView* picker, int row, int component) override;
    int widthForComponent(ui::PickerView* picker, int component) override;
    int rowHeightForComponent(ui::PickerView* picker, int component) override;
    void didSelectRow(ui::PickerView* picker, int row, int component) override;

protected:
    WheelEditorController(const QString& title, const QString& key, QObject* parent);

    // The row of each component that shows the stored value.
    virtual QList<int> storedRows() const = 0;
    virtual QString infoText() const = 0;
    // Rows that cannot be chosen are drawn grey.
    virtual bool isRowEnabled(int row, int component) const;
    // The user settled a wheel on a row; the label follows afterwards.
    virtual void rowChosen(int row, int component);

    QWidget* createWheel(QWidget* parent) override;
    bool hasChanged() const override;
    void showInfo();

private:
    QList<int> selectedRows() const;

    QString keyValue_;
    ui::PickerView* picker_ = nullptr;
    QList<int> openedRows_;
};
