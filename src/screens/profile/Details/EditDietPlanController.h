#pragma once

#include "screens/profile/Details/WheelEditorController.h"

// The planned loss a week: "0" to "2" pounds in halves, or "0" to "1" kilogram in quarters.
// Stored in kilograms a week; a pound is taken as 1 / 2.2 kg here.
class EditDietPlanController : public WheelEditorController {
    Q_OBJECT
public:
    explicit EditDietPlanController(QObject* parent = nullptr);

    QStringList arrayByComponent(int component) const override;

protected:
    QList<int> storedRows() const override;
    QString infoText() const override;
    void store() override;
};
