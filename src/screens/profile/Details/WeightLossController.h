#pragma once

#include "screens/profile/Details/ProfileEditorController.h"
#include "ui/TableViewDataSource.h"
#include "ui/TableViewDelegate.h"
#include "ui/controls/FoodSpin.h"

#include <QPointer>

namespace ui {
class TableView;
}

// "Calories/Day": the weight-loss settings at a glance (start and goal weight, job type, diet
// plan, days to the goal) and the daily allowance on a spin, where the user adds an adjustment
// of their own. "Done" stores the allowance and the adjustment apart.
class WeightLossController : public ProfileEditorController,
                             public ui::TableViewDataSource,
                             public ui::TableViewDelegate {
    Q_OBJECT
public:
    explicit WeightLossController(QObject* parent = nullptr);

    ui::TableView* tbWeightLoss() const { return tbWeightLoss_; }
    FoodSpin* calories() const { return calories_; }
    // Days to the goal weight as last shown; 0 without a plan.
    float programDuration() const { return programDuration_; }

    void viewWillAppear() override;

    int numberOfSections(ui::TableView* table) override;
    int numberOfRows(ui::TableView* table, int section) override;
    ui::TableViewCell* cellForRow(ui::TableView* table, const ui::IndexPath& path) override;
    int heightForRow(ui::TableView* table, const ui::IndexPath& path) override;
    int heightForHeader(ui::TableView* table, int section) override;
    int heightForFooter(ui::TableView* table, int section) override;
    void didSelectRow(ui::TableView* table, const ui::IndexPath& path) override;

protected:
    void loadView() override;

private:
    ui::TableView* tbWeightLoss_ = nullptr;
    QPointer<FoodSpin> calories_;
    float programDuration_ = 0;
};
