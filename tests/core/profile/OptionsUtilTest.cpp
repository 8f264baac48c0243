#include "core/profile/OptionsUtil.h"
#include "core/base/Clock.h"
#include "core/settings/QVXUtil.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/UDefUtil.h"
#include "core/text/ConvertUtil.h"
#include "support/ScopedTimeZone.h"
#include "support/TestEnv.h"

class OptionsUtilTest : public QuorvelTest {
protected:
    static void today(int y, int m, int d) { Clock::set(QDateTime(QDate(y, m, d), QTime(10, 0))); }
    static void bornOn(int y, int m, int d) {
        UDefUtil::setUserDef(QDateTime(QDate(y, m, d), QTime(0, 0)), SettingsKeys::dateBirth);
    }
    static QString digits(float x) { return QString::number(double(x), 'g', 8); }
};

TEST_F(OptionsUtilTest, AFreshProfileReadsTheDefaults) {
    today(2026, 12, 6);
    EXPECT_TRUE(UDefUtil::getUserDefBool(SettingsKeys::sex, true));
    EXPECT_EQ(OptionsUtil::getAgeValue(SettingsKeys::dateBirth), 25.0f);
    EXPECT_EQ(OptionsUtil::getDatebirth(SettingsKeys::dateBirth),
              QDateTime(QDate(2001, 12, 6), QTime(0, 0)));
    EXPECT_EQ(OptionsUtil::getHeightValue(SettingsKeys::height), 170.0f);
    const float weight = OptionsUtil::getWeightValue(SettingsKeys::startWeight);
    EXPECT_EQ(weight, 50000.0f);
    EXPECT_EQ(OptionsUtil::getWeightValue(SettingsKeys::goalWeight), 50000.0f);
    EXPECT_EQ(ConvertUtil::float2strOneSign(OptionsUtil::getWeight(weight, true)), "110.2");
    EXPECT_EQ(UDefUtil::getUserDefInt(SettingsKeys::activity), 0);
    EXPECT_EQ(OptionsUtil::getIntensityValue(SettingsKeys::intensity), 0.0f);
    EXPECT_EQ(OptionsUtil::getAllowedCalories(), 500.0f);
    EXPECT_FALSE(OptionsUtil::isInCm());
    EXPECT_TRUE(QVXUtil::getWeightUnit(SettingsKeys::weightInPounds));
    EXPECT_FALSE(QVXUtil::getWeightUnit(SettingsKeys::heightInCm));
}

TEST_F(OptionsUtilTest, StoredProfileValuesWin) {
    UDefUtil::setUserDefDouble(1.0 / 2.2, SettingsKeys::intensity);
    UDefUtil::setUserDefBool(true, SettingsKeys::heightInCm);
    EXPECT_EQ(digits(OptionsUtil::getIntensityValue(SettingsKeys::intensity)), "0.45454547");
    EXPECT_TRUE(OptionsUtil::isInCm());
}

TEST_F(OptionsUtilTest, AgeCountsABirthdayTodayAsCompleted) {
    bornOn(2000, 6, 15);
    today(2026, 6, 15);
    EXPECT_EQ(OptionsUtil::getAgeValue({}), 26.0f);
    today(2026, 6, 14);
    EXPECT_EQ(OptionsUtil::getAgeValue({}), 25.0f);
    today(2026, 5, 20);
    EXPECT_EQ(OptionsUtil::getAgeValue({}), 25.0f);
    today(2026, 7, 1);
    EXPECT_EQ(OptionsUtil::getAgeValue({}), 26.0f);
    bornOn(2000, 2, 29);
    today(2026, 2, 28);
    EXPECT_EQ(OptionsUtil::getAgeValue({}), 25.0f);
    today(2026, 3, 1);
    EXPECT_EQ(OptionsUtil::getAgeValue({}), 26.0f);
}

TEST_F(OptionsUtilTest, DefaultBirthDateIsARealDay) {
    today(2028, 2, 29);
    EXPECT_EQ(OptionsUtil::getDatebirth(SettingsKeys::dateBirth),
              QDateTime(QDate(2003, 2, 28), QTime(0, 0)));
    EXPECT_EQ(OptionsUtil::getAgeValue({}), 25.0f);
    // Recomputed at each read.
    today(2028, 3, 1);
    EXPECT_EQ(OptionsUtil::getDatebirth(SettingsKeys::dateBirth).date(), QDate(2003, 3, 1));

    // Brazil skipped midnight on 4 November 2018.
    ScopedTimeZone tz("America/Sao_Paulo");
    Clock::set(QDateTime(QDate(2043, 11, 4), QTime(12, 0)));
    const QDateTime birth = OptionsUtil::getDatebirth(SettingsKeys::dateBirth);
    ASSERT_TRUE(birth.isValid());
    EXPECT_EQ(birth.date(), QDate(2018, 11, 4));
    EXPECT_EQ(OptionsUtil::getAgeValue({}), 25.0f);
}

TEST_F(OptionsUtilTest, HeightsStayInsideBothPickers) {
    EXPECT_EQ(OptionsUtil::toInches(170), 66);
    EXPECT_EQ(OptionsUtil::toCm(66), 169);
    EXPECT_EQ(OptionsUtil::toInches(60), 24);
    EXPECT_EQ(OptionsUtil::toInches(63), 25);
    EXPECT_EQ(OptionsUtil::toInches(249), 97);
    EXPECT_EQ(OptionsUtil::toInches(251), 97);
    EXPECT_EQ(OptionsUtil::toInches(-5), 24);
    EXPECT_EQ(OptionsUtil::toCm(23), 60);
    EXPECT_EQ(OptionsUtil::toCm(24), 62);
    EXPECT_EQ(OptionsUtil::toCm(97), 249);
    EXPECT_EQ(OptionsUtil::toCm(98), 250);
    EXPECT_EQ(OptionsUtil::toCm(0), 60);
    for (int cm = 60; cm <= 250; ++cm)
        EXPECT_TRUE(OptionsUtil::toInches(cm) >= 24 && OptionsUtil::toInches(cm) <= 97) << cm;
    for (int inches = 24; inches <= 97; ++inches)
        EXPECT_TRUE(OptionsUtil::toCm(inches) >= 60 && OptionsUtil::toCm(inches) <= 250) << inches;
}

TEST_F(OptionsUtilTest, WeightConversionsInFloats) {
    EXPECT_EQ(digits(OptionsUtil::getWeight(50000.0f, true)), "110.23122");
    EXPECT_EQ(OptionsUtil::getWeight(80000.0f, false), 80.0f);
    EXPECT_EQ(digits(OptionsUtil::getGramm(1.0f, true)), "2.2046244");
    EXPECT_EQ(OptionsUtil::getGramm(72.5f, false), 72.5f);
    EXPECT_EQ(digits(OptionsUtil::getHeight(170.0f, true)), "66.299995");
    EXPECT_EQ(OptionsUtil::getHeight(170.0f, false), 170.0f);

    EXPECT_EQ(QVXUtil::getGramm(453.592f, true), 1.0f);
    EXPECT_EQ(digits(QVXUtil::weight(1.0f, true)), "453.59201");
    EXPECT_EQ(QVXUtil::weight(7.0f, false), 7.0f);
}
