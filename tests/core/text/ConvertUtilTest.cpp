#include "core/text/ConvertUtil.h"
#include "support/Dates.h"
#include "support/ScopedTimeZone.h"
#include "support/TestEnv.h"

#include <QLocale>

class ConvertUtilTest : public QuorvelTest {};

TEST_F(ConvertUtilTest, DecimalsRoundHalvesAwayFromZeroInFloats) {
    EXPECT_EQ(ConvertUtil::float2str(0.0f), "0.00");
    EXPECT_EQ(ConvertUtil::float2str(0.125f), "0.13");
    EXPECT_EQ(ConvertUtil::float2str(-0.125f), "-0.13");
    // The float nearest 2.675 is below it, but its product with 100 is the float 267.5.
    EXPECT_EQ(ConvertUtil::float2str(2.675f), "2.68");
    EXPECT_EQ(ConvertUtil::float2str(1587.7251f), "1587.73");
    EXPECT_EQ(ConvertUtil::double2str(0.005), "0.01");
    EXPECT_EQ(ConvertUtil::float3str(0.5f), "0.500");
    // 1.0005f * 1000 is the float 1000.49994, which rounds down.
    EXPECT_EQ(ConvertUtil::float3str(1.0005f), "1.000");
    EXPECT_EQ(ConvertUtil::float3str(-0.0005f), "-0.001");
    EXPECT_EQ(ConvertUtil::float2strOneSign(110.23122f), "110.2");
    EXPECT_EQ(ConvertUtil::nsInteger2str(4102444800000LL), "4102444800000");
}

TEST_F(ConvertUtilTest, DatabaseTextsParseStrictlyInLocalTime) {
    EXPECT_EQ(ConvertUtil::str2date("2010-05-01 07:05:09", "yyyy-MM-dd HH:mm:ss"),
              at(2010, 5, 1, 7, 5, 9));
    EXPECT_EQ(ConvertUtil::date2str(at(2010, 5, 1, 7, 5, 9), "yyyy-MM-dd HH:mm:ss"),
              "2010-05-01 07:05:09");
    EXPECT_FALSE(ConvertUtil::str2date("2010-05-01 07:05", "yyyy-MM-dd HH:mm:ss").isValid());
    EXPECT_FALSE(ConvertUtil::str2date("2010-05-01 07:05:09x", "yyyy-MM-dd HH:mm:ss").isValid());
    EXPECT_FALSE(ConvertUtil::str2date("2010-02-30", "yyyy-MM-dd").isValid());
    EXPECT_FALSE(ConvertUtil::str2date("", "yyyy-MM-dd").isValid());
    EXPECT_EQ(ConvertUtil::str2date("2010-5-1 7:5", "yyyy-MM-dd H:m"), at(2010, 5, 1, 7, 5));
    EXPECT_EQ(ConvertUtil::str2date("20100501", "yyyyMMdd"), QDateTime(QDate(2010, 5, 1), QTime()));

    ScopedTimeZone tz("Asia/Kolkata");
    const QDateTime utcMidnight(QDate(2026, 12, 6), QTime(0, 0), Qt::UTC);
    EXPECT_EQ(ConvertUtil::date2str(utcMidnight, "yyyy-MM-dd HH:mm Z"), "2026-12-06 05:30 +0530");
    EXPECT_EQ(ConvertUtil::str2date("2026-12-06 00:00 -0800", "yyyy-MM-dd HH:mm Z").toUTC(),
              QDateTime(QDate(2026, 12, 6), QTime(8, 0), Qt::UTC));
    ScopedTimeZone::apply("America/New_York");
    EXPECT_FALSE(ConvertUtil::str2date("2026-03-08 02:30", "yyyy-MM-dd HH:mm").isValid());
    EXPECT_TRUE(ConvertUtil::str2date("2026-11-01 01:30", "yyyy-MM-dd HH:mm").isValid());
}

TEST_F(ConvertUtilTest, LocaleTextsFollowTheDefaultLocale) {
    const QDateTime date = at(2026, 12, 6, 21, 7);
    EXPECT_EQ(ConvertUtil::date2str(date, ConvertUtil::LongStyle), "December 6, 2026");
    EXPECT_EQ(ConvertUtil::date2str(date, "EEE"), "Sun");
    EXPECT_EQ(ConvertUtil::date2str(date, "hh:mm aa"), "09:07 PM");
    EXPECT_EQ(ConvertUtil::date2str(at(2026, 12, 6, 0, 30), "hh:mm aa"), "12:30 AM");
    EXPECT_EQ(ConvertUtil::str2date("09:07 PM", "hh:mm aa").time(), QTime(21, 7));
    EXPECT_EQ(ConvertUtil::str2date("December 2026", "MMMM yyyy").date(), QDate(2026, 12, 1));
    EXPECT_EQ(ConvertUtil::date2str(date, "'W'W"), "W2");

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(ConvertUtil::date2str(date, ConvertUtil::LongStyle), "6. Dezember 2026");
    EXPECT_EQ(ConvertUtil::date2str(date, "MMMM yyyy"), "Dezember 2026");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}
