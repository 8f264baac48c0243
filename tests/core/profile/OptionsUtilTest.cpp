#include "core/profile/OptionsUtil.h"
#include "core/base/Clock.h"
#include "core/settings/QVXUtil.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/UDefUtil.h"
#include "support/Dates.h"
#include "support/ScopedTimeZone.h"
#include "support/TestEnv.h"

class OptionsUtilTest : public QuorvelTest {
protected:
    static float ageOn(int y, int m, int d) {
        Clock::set(at(y, m, d, 10));
        return OptionsUtil::getAgeValue({});
    }
    static void bornOn(int y, int m, int d) {
        UDefUtil::setUserDef(at(y, m, d), SettingsKeys::dateBirth);
    }
    static QString digits(float x) { return QString::number(double(x), 'g', 8); }
};

TEST_F(OptionsUtilTest, AFreshProfileIsTwentyFiveWithARealBirthDayAndPounds) {
    EXPECT_EQ(ageOn(2026, 12, 6), 25.0f);
    EXPECT_EQ(OptionsUtil::getDatebirth(SettingsKeys::dateBirth), at(2001, 12, 6));
    EXPECT_EQ(ageOn(2028, 2, 29), 25.0f);
    EXPECT_EQ(OptionsUtil::getDatebirth(SettingsKeys::dateBirth), at(2003, 2, 28));
    EXPECT_TRUE(QVXUtil::getWeightUnit(SettingsKeys::weightInPounds));
    EXPECT_FALSE(OptionsUtil::isInCm());

    // Brazil skipped midnight on 4 November 2018.
    ScopedTimeZone tz("America/Sao_Paulo");
    EXPECT_EQ(ageOn(2043, 11, 4), 25.0f);
    const QDateTime birth = OptionsUtil::getDatebirth(SettingsKeys::dateBirth);
    ASSERT_TRUE(birth.isValid());
    EXPECT_EQ(birth.date(), QDate(2018, 11, 4));
}

TEST_F(OptionsUtilTest, AgeCountsABirthdayTodayAsCompleted) {
    bornOn(2000, 6, 15);
    EXPECT_EQ(ageOn(2026, 6, 15), 26.0f);
    EXPECT_EQ(ageOn(2026, 6, 14), 25.0f);
    EXPECT_EQ(ageOn(2026, 7, 1), 26.0f);
    bornOn(2000, 2, 29);
    EXPECT_EQ(ageOn(2026, 2, 28), 25.0f);
    EXPECT_EQ(ageOn(2026, 3, 1), 26.0f);
}

TEST_F(OptionsUtilTest, HeightsStayInsideBothPickers) {
    EXPECT_EQ(OptionsUtil::toInches(170), 66);
    EXPECT_EQ(OptionsUtil::toCm(66), 169);
    EXPECT_EQ(OptionsUtil::toInches(-5), 24);
    EXPECT_EQ(OptionsUtil::toCm(98), 250);
    for (int cm = 60; cm <= 250; ++cm)
        EXPECT_TRUE(OptionsUtil::toInches(cm) >= 24 && OptionsUtil::toInches(cm) <= 97) << cm;
    for (int inches = 0; inches <= 97; ++inches)
        EXPECT_TRUE(OptionsUtil::toCm(inches) >= 60 && OptionsUtil::toCm(inches) <= 250) << inches;
}

TEST_F(OptionsUtilTest, WeightConversionsInFloats) {
    EXPECT_EQ(digits(OptionsUtil::getWeight(50000.0f, true)), "110.23122");
    EXPECT_EQ(OptionsUtil::getWeight(80000.0f, false), 80.0f);
    EXPECT_EQ(digits(OptionsUtil::getGramm(1.0f, true)), "2.2046244");
    EXPECT_EQ(digits(OptionsUtil::getHeight(170.0f, true)), "66.299995");
    EXPECT_EQ(QVXUtil::getGramm(453.592f, true), 1.0f);
    EXPECT_EQ(digits(QVXUtil::weight(1.0f, true)), "453.59201");
}
