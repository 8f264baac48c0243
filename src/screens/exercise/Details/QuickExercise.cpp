#include "screens/exercise/Details/QuickExercise.h"

#include "core/dates/DateUtil.h"
#include "core/text/ConvertUtil.h"
#include "screens/common/SpeedyCard.h"
#include "ui/AlertView.h"
#include "ui/controls/DayBar.h"

QuickExercise::QuickExercise(bool editMode, QObject* parent)
    : DayEntryEditor(editMode, QStringLiteral("exercise_current_date"), QStringLiteral("Save"),
                     parent) {
    setTitle(QStringLiteral("Speedy Calories"));
    view();
}

void QuickExercise::loadView() {
    DayEntryEditor::loadView();
    card_ = new SpeedyCard(QRect(16, DayBar::Height + 20, 288, 104),
                           QStringLiteral("Speedy Calories Burned"),
                           QStringLiteral("Note/Exercise Name"),
                           ui::TextField::KeyboardType::NumberPad, saveButton(), view());
}

void QuickExercise::viewWillAppear() {
    DayEntryEditor::viewWillAppear();
    name()->becomeFirstResponder();
}

ui::TextField* QuickExercise::calories() const {
    return card_->calories();
}

ui::TextField* QuickExercise::name() const {
    return card_->name();
}

void QuickExercise::setNameString(const QString& text) {
    card_->setNameString(text);
}

void QuickExercise::setCalsString(const QString& text) {
    card_->setCalsString(text);
}

void QuickExercise::setSavedExerciseData(const SavedExerciseDbo* entry) {
    if (!entry)
        return;
    exerciseId_ = entry->dboId();
    setDate(entry->date());
    card_->setNameString(entry->name());
    card_->setCalsString(ConvertUtil::float2str(entry->calories()));
}

void QuickExercise::doSave() {
    const QString text = calories()->text();
    // Checked by its leading digits, so "150.00" counts as 150 and a long number is not 0; read
    // with the locale's decimal separator, so "150,5" is not taken as 0.
    const std::optional<double> calories = ui::TextField::numberIn(text);
    if (ConvertUtil::leadingInteger(text) == 0 || !calories) {
        auto* alert = new ui::AlertView(QStringLiteral("Error"),
                                        QStringLiteral("The calories must be greater than 0."),
                                        QStringLiteral("Ok"));
        connect(alert, &ui::AlertView::clickedButtonAtIndex, this, &QuickExercise::caloriesRefused);
        alert->show();
        return;
    }
    auto entry = std::make_shared<SavedExerciseDbo>();
    entry->setDboId(exerciseId_);
    entry->setExerciseItemId(0);
    entry->setExerciseCategoryId(1);
    entry->setName(name()->text());
    entry->setDuration(0);
    entry->setBurnRate(0);
    entry->setCalories(float(*calories));
    entry->setDate(DateUtil::trunc(date()));
    entry->getKindImage();
    store(*entry);
}

void QuickExercise::caloriesRefused() {
    card_->setCalsString(QString());
    calories()->becomeFirstResponder();
}
