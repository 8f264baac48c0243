#pragma once

#include "screens/profile/Details/WheelEditorController.h"

// The height on wheels: 60 to 250 centimetres, or 2 to 8 feet and 0 to 11 inches. While 8 feet
// is chosen, the inches past 2 are grey and choosing one turns the inches back to 2.
class EditHeightController : public WheelEditorController {
    Q_OBJECT
public:
    explicit EditHeightController(QObject* parent = nullptr);

    QStringList arrayByComponent(int component) const override;

protected:
    QList<int> storedRows() const override;
    QString infoText() const override;
    bool isRowEnabled(int row, int component) const override;
    void rowChosen(int row, int component) override;
    void store() override;

private:
    bool atTallestFoot() const;
    // Whole inches of the two wheels in feet and inches.
    int chosenInches() const;
};
