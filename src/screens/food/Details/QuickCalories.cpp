#include "screens/food/Details/QuickCalories.h"

#include "core/base/AppVars.h"
#include "core/base/Clock.h"
#include "core/base/RefresherDelegate.h"
#include "core/dates/DateUtil.h"
#include "core/diary/SavedFoodDbo.h"
#include "core/text/ConvertUtil.h"
#include "screens/food/Details/MealToolbar.h"
#include "ui/BarButtonItem.h"
#include "ui/Metrics.h"
#include "ui/NavigationController.h"
#include "ui/NavigationItem.h"
#include "ui/SegmentedControl.h"
#include "ui/TextField.h"
#include "ui/controls/ControlImages.h"
#include "ui/controls/DayBar.h"
#include "ui/controls/PixmapView.h"

namespace {

const char* const currentDateKey = "food_current_date";
const char* const editedMealKey = "food_current_foodTypeId";

ui::TextField* field(QWidget* parent, const QRect& frame, const QString& placeholder) {
    auto* f = new ui::TextField(parent);
    f->setGeometry(frame);
    f->setPlaceholderText(placeholder);
    f->setFontSize(16);
    f->setTextColor(Qt::black);
    return f;
}

} // namespace

QuickCalories::QuickCalories(bool editMode, QObject* parent)
    : SelectFoodController(parent), isEditMode_(editMode),
      done_(new ui::BarButtonItem(QStringLiteral("Done"), ui::BarButtonItem::Style::Done)) {
    setTitle(QStringLiteral("Speedy Calories"));
    setHidesBottomBarWhenPushed(true);
    auto* back = new ui::BarButtonItem(QStringLiteral("Back"));
    connect(back, &ui::BarButtonItem::triggered, this, [this] {
        if (ui::NavigationController* nav = navigationController())
            nav->popViewController();
    });
    navigationItem()->setLeftBarButtonItem(back);
    done_->setEnabled(false);
    connect(done_, &ui::BarButtonItem::triggered, this, &QuickCalories::select);
    navigationItem()->setRightBarButtonItem(done_);
    view();
}

QuickCalories::~QuickCalories() {
    // The fields may outlive this object for a moment while the view is torn down, or be
    // gone already when the view went first.
    if (calories_)
        calories_->setDelegate(nullptr);
    if (name_)
        name_->setDelegate(nullptr);
}

void QuickCalories::loadView() {
    QVXViewController::loadView();
    QWidget* root = view();
    root->resize(ui::Metrics::ScreenWidth, ui::Metrics::FullContentHeight);

    dayBar_ = new DayBar(root);
    dayBar_->setArrowsVisible(!isEditMode_);
    connect(dayBar_, &DayBar::dateStepped, this, &QuickCalories::dayStepped);
    auto* meals = new MealToolbar(root);
    meals->move(0, DayBar::Height);
    foodType_ = meals->foodType();

    auto* card = new PixmapView(ControlImages::image("quick_table_bg.png"), root);
    card->setObjectName("quickTable");
    card->setGeometry(16, 108, 288, 104);
    calories_ = field(card, QRect(12, 12, 264, 36), QStringLiteral("Speedy Calories Consumed"));
    calories_->setObjectName("calories");
    calories_->setKeyboardType(ui::TextField::KeyboardType::DecimalPad);
    calories_->setDelegate(this);
    connect(calories_, &ui::TextField::editingDidEnd, calories_,
            &ui::TextField::resignFirstResponder);
    name_ = field(card, QRect(12, 56, 264, 36), QStringLiteral("Note/Food name"));
    name_->setObjectName("name");
    name_->setKeyboardType(ui::TextField::KeyboardType::AsciiCapable);
    name_->setDelegate(this);
}

ui::Label* QuickCalories::monthLabel() const {
    return dayBar_->label();
}

void QuickCalories::setDate(const QDateTime& date) {
    date_ = date;
    dayBar_->setDate(date_);
}

void QuickCalories::plusDay() {
    dayBar_->stepDays(1);
}

void QuickCalories::minusDay() {
    dayBar_->stepDays(-1);
}

void QuickCalories::dayStepped(const QDateTime& date) {
    setDate(date);
    AppVars::getVars().insert(currentDateKey, date_);
}

void QuickCalories::viewWillAppear() {
    SelectFoodController::viewWillAppear();
    if (!isEditMode_) {
        const QVariant shared = AppVars::getVars().value(currentDateKey);
        setDate(shared.isValid() ? shared.toDateTime() : DateUtil::trunc(Clock::now()));
    }
    calories_->becomeFirstResponder();
}

void QuickCalories::setNameString(const QString& text) {
    name_->setText(text);
    updateDone(name_->text(), calories_->text());
}

void QuickCalories::setCalsString(const QString& text) {
    calories_->setText(text);
    updateDone(name_->text(), calories_->text());
}

void QuickCalories::setSavedFoodData(const SavedFoodDbo* entry) {
    if (!entry)
        return;
    foodId_ = entry->dboId();
    setDate(entry->date());
    name_->setText(entry->name());
    calories_->setText(ConvertUtil::float2str(entry->resultCalories()));
    foodType_->setSelectedSegmentIndex(entry->foodTypeId());
    AppVars::getVars().insert(editedMealKey, entry->foodTypeId());
    updateDone(name_->text(), calories_->text());
}

std::optional<FoodSimpleDbo> QuickCalories::selectedItem() const {
    FoodSimpleDbo item(0, name_->text());
    item.numAttribute = caloriesOf(calories_->text());
    return item;
}

float QuickCalories::caloriesOf(const QString& text) {
    bool ok = false;
    const float value = text.toFloat(&ok);
    return ok ? value : 0.0f;
}

void QuickCalories::select() {
    if (name_->text().isEmpty() || calories_->text().isEmpty())
        return;
    auto entry = std::make_shared<SavedFoodDbo>();
    entry->setDboId(foodId_);
    entry->setFoodItemId(0);
    entry->setFoodTypeId(foodType_->selectedSegmentIndex());
    entry->setName(name_->text());
    entry->setPortionCount(0);
    entry->setResultWeight(0);
    entry->setResultCalories(caloriesOf(calories_->text()));
    entry->setDate(DateUtil::trunc(date_));
    entry->getKindImage();
    if (isEditMode_)
        entry->update();
    else
        entry->save();
    if (owner())
        owner()->refreshData();
    if (ui::NavigationController* nav = navigationController())
        nav->popToRootViewController();
}

bool QuickCalories::textFieldShouldChangeCharactersInRange(ui::TextField* field,
                                                           ui::TextRange range,
                                                           const QString& replacement) {
    const ui::TextEdit edit{range, replacement};
    const QString nameText = field == name_ ? edit.applyTo(name_->text()) : name_->text();
    const QString caloriesText =
        field == calories_ ? edit.applyTo(calories_->text()) : calories_->text();
    updateDone(nameText, caloriesText);
    return true;
}

void QuickCalories::updateDone(const QString& nameText, const QString& caloriesText) {
    done_->setEnabled(!nameText.isEmpty() && !caloriesText.isEmpty());
}
