#include "screens/profile/ProfileController.h"

#include "core/profile/CalorieBudget.h"
#include "core/profile/ProfileTexts.h"
#include "core/settings/SettingsKeys.h"
#include "screens/profile/Details/ActivitySelectController.h"
#include "screens/profile/Details/EditAgeController.h"
#include "screens/profile/Details/EditDietPlanController.h"
#include "screens/profile/Details/EditHeightController.h"
#include "screens/profile/Details/EditWeightController.h"
#include "screens/profile/Details/GenderSelectController.h"
#include "screens/profile/Details/UnitsController.h"
#include "screens/profile/Details/WeightLossController.h"
#include "screens/profile/WeightLossCell.h"
#include "ui/NavigationController.h"
#include "ui/TableView.h"
#include "ui/controls/ControlImages.h"

#include <QVBoxLayout>

ProfileController::ProfileController(QObject* parent)
    : QVXViewController(parent), unitsController_(new UnitsController(this)),
      weightLossController_(new WeightLossController(this)),
      activityController_(new ActivitySelectController(this)),
      genderController_(new GenderSelectController(this)),
      weightController_(new EditWeightController(this)),
      ageController_(new EditAgeController(this)),
      heightController_(new EditHeightController(this)),
      dietplanController_(new EditDietPlanController(this)) {
    const QString title = QStringLiteral("My Profile");
    setTitle(title);
    setTabBarItem({title, ControlImages::image(QStringLiteral("profile.png"))});
    view();
}

ProfileController::~ProfileController() = default;

QStringList ProfileController::getTitlesForSection(int section) {
    switch (section) {
    case 0:
        return {"Units"};
    case 1:
        return {"Gender", "Age", "Height", "Job Type"};
    case 2:
        return {"Start Weight", "Goal Weight", "Diet Plan", "Calories/Day"};
    default:
        return {};
    }
}

void ProfileController::calcCalories() {
    CalorieBudget::calcCalories();
}

void ProfileController::loadView() {
    QVXViewController::loadView();
    profilemenu_ = new ui::TableView(ui::TableView::Style::Grouped, view());
    profilemenu_->setObjectName("profilemenu");
    profilemenu_->setBackgroundColor(Qt::transparent);
    profilemenu_->setRowHeight(WeightLossCell::RowHeight);
    profilemenu_->setDataSource(this);
    profilemenu_->setDelegate(this);
    auto* fill = new QVBoxLayout(view());
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(profilemenu_);
}

void ProfileController::viewWillAppear() {
    QVXViewController::viewWillAppear();
    calcCalories();
    profilemenu_->reloadData();
    const ui::IndexPath opened = profilemenu_->indexPathForSelectedRow();
    if (opened.isValid())
        profilemenu_->deselectRow(opened, true);
}

int ProfileController::numberOfSections(ui::TableView*) {
    return 3;
}

int ProfileController::numberOfRows(ui::TableView*, int section) {
    return int(getTitlesForSection(section).size());
}

QString ProfileController::valueForRow(const ui::IndexPath& path) {
    if (path.section == 0)
        return ProfileTexts::unitsText();
    switch (path.section * 10 + path.row) {
    case 10:
        return ProfileTexts::genderText();
    case 11:
        return ProfileTexts::ageText();
    case 12:
        return ProfileTexts::heightText();
    case 13:
        return ProfileTexts::activityName();
    case 20:
        return ProfileTexts::weightText(SettingsKeys::startWeight);
    case 21:
        return ProfileTexts::weightText(SettingsKeys::goalWeight);
    case 22:
        return CalorieBudget::planTextForProfile();
    default:
        return CalorieBudget::allowanceText();
    }
}

ui::TableViewCell* ProfileController::cellForRow(ui::TableView* table, const ui::IndexPath& path) {
    const QString identifier = QStringLiteral("profile");
    auto* cell = table->reusableCell<WeightLossCell>(identifier, [&] {
        return new WeightLossCell(ui::AccessoryType::DisclosureIndicator, identifier);
    });
    cell->setTexts(getTitlesForSection(path.section).value(path.row), valueForRow(path));
    return cell;
}

int ProfileController::heightForRow(ui::TableView*, const ui::IndexPath&) {
    return WeightLossCell::RowHeight;
}

ui::ViewController* ProfileController::editorForRow(const ui::IndexPath& path) {
    if (path.section == 0)
        return unitsController_;
    switch (path.section * 10 + path.row) {
    case 10:
        return genderController_;
    case 11:
        return ageController_;
    case 12:
        return heightController_;
    case 13:
        return activityController_;
    case 20:
        weightController_->setKeyValue(SettingsKeys::startWeight);
        return weightController_;
    case 21:
        weightController_->setKeyValue(SettingsKeys::goalWeight);
        return weightController_;
    case 22:
        dietplanController_->setKeyValue(SettingsKeys::intensity);
        return dietplanController_;
    default:
        return weightLossController_;
    }
}

void ProfileController::didSelectRow(ui::TableView*, const ui::IndexPath& path) {
    if (ui::NavigationController* nav = navigationController())
        nav->pushViewController(editorForRow(path));
}
