#pragma once

#include "ui/TableViewDataSource.h"
#include "ui/TableViewDelegate.h"
#include "ui/controls/QVXViewController.h"

#include <QStringList>

class ActivitySelectController;
class EditAgeController;
class EditDietPlanController;
class EditHeightController;
class EditWeightController;
class GenderSelectController;
class UnitsController;
class WeightLossController;
class YourDataSection;
namespace ui {
class TableView;
}

// The "My Profile" tab: units, personal data and weight-loss settings as one grouped list of
// values, each row opening its editor, and at the end the section of backups and export. The
// allowance is worked out afresh every time the list is about to show, so "Calories/Day" always
// follows the values above it.
class ProfileController : public QVXViewController,
                          public ui::TableViewDataSource,
                          public ui::TableViewDelegate {
    Q_OBJECT
public:
    explicit ProfileController(QObject* parent = nullptr);
    ~ProfileController() override;

    // Row titles of a section of the list.
    static QStringList getTitlesForSection(int section);
    // Stores the allowance of the profile as it stands.
    static void calcCalories();

    ui::TableView* profilemenu() const { return profilemenu_; }
    UnitsController* unitsController() const { return unitsController_; }
    WeightLossController* weightLossController() const { return weightLossController_; }
    ActivitySelectController* activityController() const { return activityController_; }
    GenderSelectController* genderController() const { return genderController_; }
    EditWeightController* weightController() const { return weightController_; }
    EditAgeController* ageController() const { return ageController_; }
    EditHeightController* heightController() const { return heightController_; }
    EditDietPlanController* dietplanController() const { return dietplanController_; }

    void viewWillAppear() override;

    int numberOfSections(ui::TableView* table) override;
    int numberOfRows(ui::TableView* table, int section) override;
    QString titleForHeader(ui::TableView* table, int section) override;
    ui::TableViewCell* cellForRow(ui::TableView* table, const ui::IndexPath& path) override;
    int heightForRow(ui::TableView* table, const ui::IndexPath& path) override;
    void didSelectRow(ui::TableView* table, const ui::IndexPath& path) override;

protected:
    void loadView() override;

private:
    static QString valueForRow(const ui::IndexPath& path);
    ui::ViewController* editorForRow(const ui::IndexPath& path);

    ui::TableView* profilemenu_ = nullptr;
    UnitsController* unitsController_;
    WeightLossController* weightLossController_;
    ActivitySelectController* activityController_;
    GenderSelectController* genderController_;
    EditWeightController* weightController_;
    EditAgeController* ageController_;
    EditHeightController* heightController_;
    EditDietPlanController* dietplanController_;
    YourDataSection* yourData_;
};
