#include "support/TestEnv.h"

#include "core/diary/ExerciseDayInfo.h"
#include "core/diary/FoodDayInfo.h"
#include "core/overview/OverviewDayInfo.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/UDefUtil.h"
#include "core/weight/WeighingDay.h"
#include "screens/overview/OverviewInfoPanel.h"
#include "ui/Label.h"

namespace {

const QDateTime day(QDate(2026, 12, 6), QTime(0, 0));

// A day of the three diaries held in memory only: one speedy meal, one exercise, weighings.
OverviewDayPtr dayWith(float eaten, float burned, QList<float> weights = {}) {
    auto overview = std::make_shared<OverviewDayInfo>();
    auto food = std::make_shared<FoodDayInfo>(day);
    if (eaten != 0.0f) {
        auto entry = std::make_shared<SavedFoodDbo>();
        entry->setResultCalories(eaten);
        food->setItems({{entry}});
    }
    overview->setFoodInfo(food);
    auto exercise = std::make_shared<ExerciseDayInfo>(day);
    if (burned != 0.0f) {
        auto entry = std::make_shared<SavedExerciseDbo>();
        entry->setCalories(burned);
        exercise->setItems({{entry}});
    }
    overview->setExerciseInfo(exercise);
    auto weighings = std::make_shared<WeighingDay>(day.toSecsSinceEpoch());
    for (int i = 0; i < weights.size(); ++i)
        weighings->addWeighing(i + 1, day.toSecsSinceEpoch() + 3600 * (i + 1), weights.at(i));
    overview->setWeightInfo(weighings);
    return overview;
}

class OverviewInfoPanelTest : public QuorvelTest {
protected:
    void SetUp() override {
        QuorvelTest::SetUp();
        UDefUtil::setUserDefFloat(2000.0f, SettingsKeys::allowedCalories);
    }

    QStringList values() const {
        QStringList texts;
        for (int i = 0; i < OverviewInfoPanel::keys().size(); ++i)
            texts.append(panel.itemByIdx(i)->text());
        return texts;
    }
    QString state() const { return panel.keyByIdx(4)->text(); }
    QColor stateColor() const { return panel.keyByIdx(4)->textColor(); }

    OverviewInfoPanel panel{QRect(0, 0, 320, 130)};
};

const QColor green = QColor::fromRgbF(0.1f, 0.5f, 0.1f);
const QColor red = QColor::fromRgbF(0.5f, 0.1f, 0.1f);

} // namespace

// The border itself, nothing left, is checked through the Overview tab.
TEST_F(OverviewInfoPanelTest, UnderOverNoDayAndTheAdjustment) {
    panel.setInfo(dayWith(0, 0).get());
    EXPECT_EQ(values(), QStringList({"2000", "0", "0", "0", "2000"}));
    EXPECT_EQ(state(), "Under");
    EXPECT_EQ(stateColor(), green);
    EXPECT_EQ(panel.weightvalueLabel()->text(), "0.0 lb");

    panel.setInfo(dayWith(2100, 0).get());
    EXPECT_EQ(values(), QStringList({"2000", "2100", "0", "2100", "-100"}));
    EXPECT_EQ(state(), "Over");
    EXPECT_EQ(stateColor(), red);

    // No day reads as nothing logged, and the key is retitled.
    panel.setInfo(nullptr);
    EXPECT_EQ(values(), QStringList({"2000", "0", "0", "0", "2000"}));
    EXPECT_EQ(state(), "Under");
    EXPECT_EQ(stateColor(), green);

    // The adjustment raises the allowance; exercise lowers the net.
    UDefUtil::setUserDefFloat(1588.0f, SettingsKeys::allowedCalories);
    UDefUtil::setUserDefFloat(200.0f, SettingsKeys::allowedCaloriesAdd);
    panel.setInfo(dayWith(1500, 300).get());
    EXPECT_EQ(values(), QStringList({"1788", "1500", "300", "1200", "588"}));
}

TEST_F(OverviewInfoPanelTest, WeightsInTheChosenUnit) {
    UDefUtil::setUserDefFloat(50000.0f, SettingsKeys::goalWeight);
    const OverviewDayPtr weighed = dayWith(0, 0, {79.0f, 81.0f});
    panel.setInfo(weighed.get());
    EXPECT_EQ(panel.goalvalueLabel()->text(), "110.2 lb");
    EXPECT_EQ(panel.weightvalueLabel()->text(), "176.4 lb");

    UDefUtil::setUserDefBool(false, SettingsKeys::weightInPounds);
    panel.setInfo(weighed.get());
    EXPECT_EQ(panel.goalvalueLabel()->text(), "50.0 kg");
    EXPECT_EQ(panel.weightvalueLabel()->text(), "80.0 kg");
}
