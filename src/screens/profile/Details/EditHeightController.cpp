#include "screens/profile/Details/EditHeightController.h"

#include "core/profile/OptionsUtil.h"
#include "core/profile/ProfileTexts.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/UDefUtil.h"
#include "ui/PickerView.h"

namespace {

const int lowestCm = 60;
const int highestCm = 250;
// 60 cm and 250 cm in inches (23.4 rounded up, 97.5 rounded down), as feet.
const int lowestFoot = 24 / 12;
const int highestFoot = 97 / 12;
// The tallest height on the wheels is 8 feet 2 inches.
const int highestInchAtTopFoot = 2;

QStringList numbers(int first, int last) {
    QStringList texts;
    for (int n = first; n <= last; ++n)
        texts.append(QString::number(n));
    return texts;
}

} // namespace

EditHeightController::EditHeightController(QObject* parent)
    : WheelEditorController(QStringLiteral("Height"), SettingsKeys::height, parent) {}

QStringList EditHeightController::arrayByComponent(int component) const {
    static const QStringList centimetres = numbers(lowestCm, highestCm);
    static const QStringList feet = numbers(lowestFoot, highestFoot);
    static const QStringList inches = numbers(0, 11);
    if (OptionsUtil::isInCm())
        return component == 0 ? centimetres : QStringList();
    return component == 0 ? feet : component == 1 ? inches : QStringList();
}

QList<int> EditHeightController::storedRows() const {
    const int centimetres = int(OptionsUtil::getHeightValue(keyValue()));
    if (OptionsUtil::isInCm())
        return {centimetres - lowestCm};
    const int inches = OptionsUtil::toInches(centimetres);
    return {inches / 12 - lowestFoot, inches % 12};
}

int EditHeightController::chosenInches() const {
    return selectedText(0).toInt() * 12 + selectedText(1).toInt();
}

QString EditHeightController::infoText() const {
    if (OptionsUtil::isInCm())
        return QStringLiteral(" %1 cm").arg(selectedText(0));
    return ProfileTexts::feetAndInches(chosenInches());
}

bool EditHeightController::atTallestFoot() const {
    return !OptionsUtil::isInCm() && selectedText(0).toInt() == highestFoot;
}

bool EditHeightController::isRowEnabled(int row, int component) const {
    return component != 1 || !atTallestFoot() || row <= highestInchAtTopFoot;
}

void EditHeightController::rowChosen(int row, int component) {
    if (component == 0) {
        // The inch rows change colour with the foot.
        picker()->reloadComponent(1);
    } else if (!isRowEnabled(row, component)) {
        picker()->selectRow(highestInchAtTopFoot, 1, true);
    }
}

void EditHeightController::store() {
    const int centimetres =
        OptionsUtil::isInCm() ? selectedText(0).toInt() : OptionsUtil::toCm(chosenInches());
    UDefUtil::setUserDefFloat(float(centimetres), keyValue());
}
