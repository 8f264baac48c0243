#pragma once

#include "screens/profile/Details/WheelEditorController.h"

// A start or goal weight on wheels, to a tenth: whole numbers for 30 to 300 kilograms in the
// unit in use (30 to 300 kg, 66 to 661 lb) and a tenth from .0 to .9. The key edited,
// "QVStartWeightValue" or "QVGoalWeightValue", names the screen.
class EditWeightController : public WheelEditorController {
    Q_OBJECT
public:
    explicit EditWeightController(QObject* parent = nullptr);

    QStringList arrayByComponent(int component) const override;
    void viewWillAppear() override;

protected:
    QList<int> storedRows() const override;
    QString infoText() const override;
    void store() override;
};
