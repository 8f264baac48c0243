#include "core/profile/CalorieBudget.h"
#include "core/base/Clock.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/SettingsStore.h"
#include "core/settings/UDefUtil.h"
#include "support/TestEnv.h"

class CalorieBudgetTest : public QuorvelTest {
protected:
    void SetUp() override {
        QuorvelTest::SetUp();
        Clock::set(QDateTime(QDate(2026, 12, 6), QTime(10, 0)));
    }
    static QString digits(float x) { return QString::number(double(x), 'g', 8); }
};

TEST_F(CalorieBudgetTest, FreshProfileAllowanceIsStoredAsAFloatAndNothingBoundsIt) {
    EXPECT_EQ(digits(CalorieBudget::basalRate()), "1323.1042");
    EXPECT_EQ(digits(CalorieBudget::calcCalories()), "1587.7251");
    SettingsStore::drop();
    const QVariant stored = UDefUtil::getUserDef(SettingsKeys::allowedCalories);
    EXPECT_EQ(stored.metaType().id(), QMetaType::Float);
    EXPECT_EQ(digits(stored.toFloat()), "1587.7251");
    EXPECT_EQ(CalorieBudget::allowanceText(), "1588");
    // An unreadable activity level counts as the first.
    for (const QVariant& level : {QVariant("very"), QVariant(9)}) {
        UDefUtil::setUserDef(level, SettingsKeys::activity);
        EXPECT_EQ(digits(CalorieBudget::allowance()), "1587.7251");
    }
    UDefUtil::setUserDefDouble(2.0, SettingsKeys::intensity);
    EXPECT_EQ(digits(CalorieBudget::calcCalories()), "-612.2749");
}

TEST_F(CalorieBudgetTest, WorkedProfiles) {
    UDefUtil::setUserDefBool(false, SettingsKeys::sex);
    UDefUtil::setUserDef(QDateTime(QDate(1986, 12, 6), QTime(0, 0)), SettingsKeys::dateBirth);
    UDefUtil::setUserDefFloat(180.0f, SettingsKeys::height);
    UDefUtil::setUserDefFloat(80000.0f, SettingsKeys::startWeight);
    UDefUtil::setUserDefInt(2, SettingsKeys::activity);
    UDefUtil::setUserDefDouble(1.0 / 2.2, SettingsKeys::intensity);
    EXPECT_EQ(digits(CalorieBudget::basalRate()), "1810.7107");
    EXPECT_EQ(digits(CalorieBudget::activeRate()), "2534.9951");
    EXPECT_EQ(digits(CalorieBudget::calcCalories()), "2034.9951");

    UDefUtil::removeUserDef(SettingsKeys::sex);
    UDefUtil::removeUserDef(SettingsKeys::dateBirth);
    UDefUtil::removeUserDef(SettingsKeys::height);
    UDefUtil::removeUserDef(SettingsKeys::startWeight);
    UDefUtil::setUserDefInt(4, SettingsKeys::activity);
    UDefUtil::setUserDefDouble(0.25, SettingsKeys::intensity);
    EXPECT_EQ(digits(CalorieBudget::activeRate()), "2116.9668");
    EXPECT_EQ(digits(CalorieBudget::calcCalories()), "1841.9668");
}

TEST_F(CalorieBudgetTest, AdjustmentSurvivesOnlyUnchangedAllowances) {
    // The first computation drops an adjustment stored before it.
    UDefUtil::setUserDefFloat(150.0f, SettingsKeys::allowedCaloriesAdd);
    CalorieBudget::calcCalories();
    EXPECT_EQ(CalorieBudget::adjustment(), 0.0f);
    UDefUtil::setUserDefFloat(200.0f, SettingsKeys::allowedCaloriesAdd);
    CalorieBudget::calcCalories();
    EXPECT_EQ(CalorieBudget::adjustment(), 200.0f);
    EXPECT_EQ(CalorieBudget::allowanceText(), "1788/+200");

    // Less than a calorie of change keeps it.
    UDefUtil::setUserDefFloat(1588.5f, SettingsKeys::allowedCalories);
    CalorieBudget::calcCalories();
    EXPECT_EQ(CalorieBudget::adjustment(), 200.0f);
    UDefUtil::setUserDefFloat(1586.8f, SettingsKeys::allowedCalories);
    CalorieBudget::calcCalories();
    EXPECT_EQ(CalorieBudget::adjustment(), 200.0f);

    UDefUtil::setUserDefInt(1, SettingsKeys::activity);
    CalorieBudget::calcCalories();
    const QVariant reset = UDefUtil::getUserDef(SettingsKeys::allowedCaloriesAdd);
    EXPECT_EQ(reset.metaType().id(), QMetaType::Int);
    EXPECT_EQ(reset.toInt(), 0);
}

TEST_F(CalorieBudgetTest, AllowanceTexts) {
    EXPECT_EQ(CalorieBudget::allowanceText(), "500");
    EXPECT_EQ(CalorieBudget::effectiveAllowance(), 500.0f);
    UDefUtil::setUserDefFloat(1587.7251f, SettingsKeys::allowedCalories);
    UDefUtil::setUserDefFloat(-200.0f, SettingsKeys::allowedCaloriesAdd);
    EXPECT_EQ(CalorieBudget::allowanceText(), "1388/-200");
    CalorieBudget::storeAllowance(1788.0f, 200.0f);
    EXPECT_EQ(UDefUtil::getUserDefFloat(SettingsKeys::allowedCalories, 0), 1588.0f);
    EXPECT_EQ(CalorieBudget::adjustment(), 200.0f);
    EXPECT_EQ(CalorieBudget::effectiveAllowance(), 1788.0f);
}

TEST_F(CalorieBudgetTest, DaysToGoalAndPlanTexts) {
    EXPECT_EQ(CalorieBudget::planTextForEditor(), "No Diet Plan");
    EXPECT_EQ(CalorieBudget::durationText(), "- days");
    UDefUtil::setUserDefFloat(80000.0f, SettingsKeys::startWeight);
    UDefUtil::setUserDefFloat(70000.0f, SettingsKeys::goalWeight);
    EXPECT_EQ(CalorieBudget::durationText(), "- days");
    UDefUtil::setUserDefDouble(1.0 / 2.2, SettingsKeys::intensity);
    EXPECT_EQ(CalorieBudget::calcDuration(), 154.0f);
    EXPECT_EQ(CalorieBudget::durationText(), "154.00 days");
    // The direction of the change does not matter.
    UDefUtil::setUserDefFloat(90000.0f, SettingsKeys::goalWeight);
    EXPECT_EQ(CalorieBudget::durationText(), "154.00 days");
    UDefUtil::setUserDefDouble(0.25, SettingsKeys::intensity);
    EXPECT_EQ(CalorieBudget::durationText(), "280.00 days");

    // The plan in the weight unit.
    UDefUtil::setUserDefDouble(1.0 / 2.2, SettingsKeys::intensity);
    EXPECT_EQ(CalorieBudget::planTextForProfile(), "Lose 1.00 lb/week");
    UDefUtil::setUserDefBool(false, SettingsKeys::weightInPounds);
    EXPECT_EQ(CalorieBudget::planTextForProfile(), "Lose 0.45 kg/week");
    UDefUtil::setUserDefDouble(0.05, SettingsKeys::intensity);
    EXPECT_EQ(CalorieBudget::planTextForProfile(), "No Diet Plan");
    EXPECT_EQ(CalorieBudget::planTextForEditor(), "Lose 0.05 kg/week");
    UDefUtil::setUserDefBool(true, SettingsKeys::weightInPounds);
    EXPECT_EQ(CalorieBudget::planTextForProfile(), "Lose 0.11 lb/week");
}
