#include "screens/food/Details/AddFoodController.h"

#include "core/base/AppVars.h"
#include "core/base/Clock.h"
#include "core/base/RefresherDelegate.h"
#include "core/catalogue/FoodSimpleDbo.h"
#include "core/dates/DateUtil.h"
#include "core/diary/SavedFoodDbo.h"
#include "screens/food/Details/MealToolbar.h"
#include "screens/food/Details/NutritionInfoPanel.h"
#include "screens/food/Details/PortionWheels.h"
#include "screens/food/Details/SelectFoodController.h"
#include "ui/AlertView.h"
#include "ui/BarButtonItem.h"
#include "ui/Label.h"
#include "ui/Metrics.h"
#include "ui/NavigationController.h"
#include "ui/NavigationItem.h"
#include "ui/PickerView.h"
#include "ui/SegmentedControl.h"
#include "ui/controls/ControlImages.h"
#include "ui/controls/DayBar.h"
#include "ui/controls/FoodSpin.h"
#include "ui/controls/PixmapView.h"

#include <QRegularExpression>
#include <cmath>

namespace {

const char* const currentDateKey = "food_current_date";
const char* const editedMealKey = "food_current_foodTypeId";
const int wheelWidth = 70;
const int wheelRowHeight = 40;

// The number a deviation text such as "(+25)" or "(-0.50)" holds after its first character;
// 0 for an empty text.
float deviationOf(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^[+-]?\\d+(\\.\\d+)?"));
    const QRegularExpressionMatch match = number.match(text.mid(1));
    return match.hasMatch() ? match.captured().toFloat() : 0.0f;
}

} // namespace

AddFoodController::AddFoodController(bool editMode, QObject* parent)
    : QVXViewController(parent), isEditMode_(editMode) {
    setHidesBottomBarWhenPushed(true);
    auto* back = new ui::BarButtonItem(QStringLiteral("Back"));
    connect(back, &ui::BarButtonItem::triggered, this, &AddFoodController::doCancel);
    navigationItem()->setLeftBarButtonItem(back);
    auto* save = new ui::BarButtonItem(QStringLiteral("Save"), ui::BarButtonItem::Style::Done);
    connect(save, &ui::BarButtonItem::triggered, this, &AddFoodController::doSave);
    navigationItem()->setRightBarButtonItem(save);
    view();
}

AddFoodController::~AddFoodController() {
    // The spins may outlive this object for a moment while the view is torn down, or be
    // gone already when the view went first.
    if (calories_)
        calories_->setDelegate(nullptr);
    if (points_)
        points_->setDelegate(nullptr);
}

void AddFoodController::loadView() {
    QVXViewController::loadView();
    view()->resize(ui::Metrics::ScreenWidth, ui::Metrics::FullContentHeight);
    createContent(view());
}

void AddFoodController::createContent(QWidget* view) {
    dayBar_ = new DayBar(view);
    dayBar_->setArrowsVisible(!isEditMode_);
    connect(dayBar_, &DayBar::dateStepped, this, &AddFoodController::dayStepped);

    auto* meals = new MealToolbar(view);
    meals->move(0, DayBar::Height);
    foodType_ = meals->foodType();

    auto* servingBar = new QWidget(view);
    servingBar->setGeometry(0, 88, ui::Metrics::ScreenWidth, 26);
    servingBar->setAutoFillBackground(true);
    QPalette palette = servingBar->palette();
    palette.setColor(QPalette::Window, QColor(40, 42, 57));
    servingBar->setPalette(palette);
    servingLabel_ = ui::Label::make(servingBar, QRect(4, 0, ui::Metrics::ScreenWidth - 8, 26), 16,
                                    false, Qt::white);
    servingLabel_->setObjectName("servingLabel");
    servingLabel_->setText(QStringLiteral(" Serving"));

    auto* wheelsBack = new PixmapView(ControlImages::image("picker_bg.png"), view);
    wheelsBack->setGeometry(0, 114, ui::Metrics::ScreenWidth, 202);
    portion_ = new ui::PickerView(wheelsBack);
    portion_->setObjectName("portion");
    portion_->setDataSource(this);
    portion_->setDelegate(this);
    portion_->setShowsSelectionIndicator(true);
    portion_->setGeometry(8, 6, 150, 190);
    portion_->selectRow(0, 0, false);
    portion_->selectRow(0, 1, false);

    infoPanel_ = new NutritionInfoPanel(QRect(164, 51, 150, 100), wheelsBack);
    infoPanel_->setObjectName("infoPanel");

    auto* bottom = new PixmapView(ControlImages::image("bottom_panel.png"), view);
    bottom->setGeometry(0, ui::Metrics::FullContentHeight - 100, ui::Metrics::ScreenWidth, 100);
    points_ = new FoodSpin(QRect(4, 4, 152, 92), true, bottom);
    points_->setObjectName("points");
    points_->setUnit(QStringLiteral("score"));
    points_->setStep(0.25f);
    points_->setDelegate(this);
    calories_ = new FoodSpin(QRect(164, 4, 152, 92), true, bottom);
    calories_->setObjectName("calories");
    calories_->setUnit(QStringLiteral("calories"));
    calories_->setStep(1);
    calories_->setDelegate(this);
}

ui::Label* AddFoodController::monthLabel() const {
    return dayBar_->label();
}

void AddFoodController::setDate(const QDateTime& date) {
    date_ = date;
    dayBar_->setDate(date_);
    if (!isEditMode_)
        AppVars::getVars().insert(currentDateKey, date_);
}

void AddFoodController::plusDay() {
    dayBar_->stepDays(1);
}

void AddFoodController::minusDay() {
    dayBar_->stepDays(-1);
}

void AddFoodController::dayStepped(const QDateTime& date) {
    setDate(date);
}

void AddFoodController::viewWillAppear() {
    QVXViewController::viewWillAppear();
    const std::optional<FoodSimpleDbo> item =
        foodMenu_ ? foodMenu_->selectedItem() : std::optional<FoodSimpleDbo>();
    if (item)
        setTitle(item->name);
    if (isEditMode_)
        return;
    const QVariant shared = AppVars::getVars().value(currentDateKey);
    setDate(shared.isValid() ? shared.toDateTime() : Clock::now());
    portion_->selectRow(0, 0, false);
    portion_->selectRow(0, 1, false);
    showItemNutrition(0);
    calories_->setValueAdd(0);
    points_->setValueAdd(0);
    recalcAll();
}

void AddFoodController::showItemNutrition(float portions) {
    const std::optional<FoodSimpleDbo> item =
        foodMenu_ ? foodMenu_->selectedItem() : std::optional<FoodSimpleDbo>();
    const std::optional<NutritionInfoDbo> info =
        item ? NutritionInfoDbo::getInfoTo(item->dboId) : std::nullopt;
    infoPanel_->setInfo(info);
    infoPanel_->setPortionSizeAndRedraw(portions);
    servingLabel_->setText(QStringLiteral(" Serving: %1").arg(info ? info->serving : QString()));
}

void AddFoodController::setSavedFoodData(const SavedFoodDbo* entry) {
    if (!entry)
        return;
    foodId_ = entry->dboId();
    setDate(entry->date());
    const float count = entry->portionCount();
    portion_->selectRow(PortionWheels::wholeRowFor(count), 0, false);
    portion_->selectRow(PortionWheels::partRowFor(count), 1, false);
    showItemNutrition(count);
    calories_->setValueAdd(deviationOf(entry->caloriesDiffString()));
    calories_->setValue(entry->resultCalories());
    points_->setValueAdd(deviationOf(entry->pointsDiffString()));
    points_->setValue(entry->resultPoints());
    foodType_->setSelectedSegmentIndex(entry->foodTypeId());
    AppVars::getVars().insert(editedMealKey, entry->foodTypeId());
}

float AddFoodController::portionCount() const {
    return PortionWheels::portionCount(portion_->selectedRowInComponent(0),
                                       portion_->selectedRowInComponent(1));
}

void AddFoodController::recalcAll() {
    const float serving = infoPanel_->info() ? infoPanel_->info()->calories : 0.0f;
    calories_->setValue(std::round(serving) * portionCount());
}

void AddFoodController::recalcPoints() {
    const NutritionInfoDbo facts = infoPanel_->info().value_or(NutritionInfoDbo{});
    // A change of calories counts as a change of portions; a serving without calories cannot
    // be scaled that way, so its portions stand as they are.
    float effective = portionCount();
    if (facts.calories != 0.0f)
        effective += calories_->valueAdd() / facts.calories;
    points_->setValue(calories_->value() / 50.0f + facts.totalFat * effective / 12.0f -
                      facts.fiber * effective / 5.0f);
}

void AddFoodController::spinValueChangedTo(FoodSpin* spin, float) {
    if (spin != calories_)
        return;
    points_->setValueAdd(0);
    recalcPoints();
}

void AddFoodController::doSave() {
    const std::optional<FoodSimpleDbo> item =
        foodMenu_ ? foodMenu_->selectedItem() : std::optional<FoodSimpleDbo>();
    if (!item)
        return;
    const float count = portionCount();
    if (count == 0.0f) {
        auto* alert = new ui::AlertView(QStringLiteral("Error"),
                                        QStringLiteral("Please select a portion first."),
                                        QStringLiteral("Ok"));
        alert->show();
        return;
    }
    auto entry = std::make_shared<SavedFoodDbo>();
    entry->setDboId(foodId_);
    entry->setFoodItemId(item->dboId);
    entry->setFoodTypeId(foodType_->selectedSegmentIndex());
    entry->setPortionCount(count);
    entry->setResultCalories(calories_->value());
    entry->setResultPoints(points_->value());
    entry->setDate(DateUtil::trunc(date_));
    entry->getKindImage();
    if (isEditMode_)
        entry->update();
    else
        entry->save();
    if (owner_)
        owner_->refreshData();
    if (ui::NavigationController* nav = navigationController())
        nav->popToRootViewController();
}

void AddFoodController::doCancel() {
    if (ui::NavigationController* nav = navigationController())
        nav->popViewController();
}

int AddFoodController::numberOfComponents(ui::PickerView*) {
    return 2;
}

int AddFoodController::numberOfRows(ui::PickerView*, int component) {
    return int(component == 0 ? PortionWheels::portions().size()
                              : PortionWheels::portionsParts().size());
}

QString AddFoodController::titleForRow(ui::PickerView*, int row, int component) {
    // Drawn by the wheel itself in its bold row font: row views rendered inside a wheel that
    // does not sit at the top of its window land rows away from their place.
    const QStringList& rows =
        component == 0 ? PortionWheels::portions() : PortionWheels::portionsParts();
    return rows.value(row);
}

int AddFoodController::widthForComponent(ui::PickerView*, int) {
    return wheelWidth;
}

int AddFoodController::rowHeightForComponent(ui::PickerView*, int) {
    return wheelRowHeight;
}

void AddFoodController::didSelectRow(ui::PickerView*, int, int) {
    infoPanel_->setPortionSizeAndRedraw(portionCount());
    calories_->setValueAdd(0);
    points_->setValueAdd(0);
    recalcAll();
}
