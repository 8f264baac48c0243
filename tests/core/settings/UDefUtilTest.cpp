#include "core/settings/UDefUtil.h"
#include "core/settings/SettingsStore.h"
#include "support/Dates.h"
#include "support/LogCapture.h"
#include "support/TestEnv.h"

#include <QFile>
#include <QSize>

class UDefUtilTest : public QuorvelTest {
protected:
    // What a new process sees: the in-memory store is gone, only the file remains.
    static void restart() { SettingsStore::drop(); }
};

TEST_F(UDefUtilTest, ValuesKeepTheirTypesAcrossARestartAndRemovedOnesAreGone) {
    UDefUtil::setUserDefFloat(1587.7251f, "QVAllowedCalories");
    UDefUtil::setUserDefDouble(1.0 / 2.2, "QVStartIntensity");
    UDefUtil::setUserDefInt(-3, "welcome");
    UDefUtil::setUserDefBool(false, "QVSex");
    UDefUtil::setUserDef(at(2001, 2, 28), "QVDateBirthValue");
    UDefUtil::setUserDef(QString("a, b = c; @d"), "text");
    UDefUtil::setUserDefMutableArray({1, QString("x"), 2.5f}, "list");
    UDefUtil::setUserDefInt(2, "removed");
    UDefUtil::removeUserDef("removed");
    // A value the file cannot keep changes nothing.
    UDefUtil::setUserDef(QVariant::fromValue(QSize(1, 2)), "welcome");
    restart();

    const auto typeOf = [](const QString& key) {
        return UDefUtil::getUserDef(key).metaType().id();
    };
    EXPECT_EQ(typeOf("QVAllowedCalories"), QMetaType::Float);
    EXPECT_EQ(UDefUtil::getUserDef("QVAllowedCalories").toFloat(), 1587.7251f);
    EXPECT_EQ(typeOf("QVStartIntensity"), QMetaType::Double);
    EXPECT_EQ(UDefUtil::getUserDef("QVStartIntensity").toDouble(), 1.0 / 2.2);
    EXPECT_EQ(typeOf("welcome"), QMetaType::Int);
    EXPECT_EQ(UDefUtil::getUserDefInt("welcome"), -3);
    EXPECT_EQ(typeOf("QVSex"), QMetaType::Bool);
    EXPECT_EQ(UDefUtil::getUserDef("QVDateBirthValue"), QVariant(at(2001, 2, 28)));
    EXPECT_EQ(UDefUtil::getUserDef("text"), QVariant(QString("a, b = c; @d")));
    const QVariantList list = UDefUtil::getUserDefMutableArray("list");
    ASSERT_EQ(list.size(), 3);
    EXPECT_EQ(list[0].metaType().id(), QMetaType::Int);
    EXPECT_EQ(list[2].metaType().id(), QMetaType::Float);
    EXPECT_EQ(UDefUtil::getUserDefInt("removed", 9), 9);
    EXPECT_TRUE(UDefUtil::getUserDefBool("missing", true));
    EXPECT_EQ(UDefUtil::getUserDefString("missing", "none"), "none");
}

TEST_F(UDefUtilTest, OtherTypesReadThroughTheirNumberOrTruth) {
    UDefUtil::setUserDef(QString("  42.9kg"), "text");
    EXPECT_EQ(UDefUtil::getUserDefInt("text"), 42);
    EXPECT_EQ(UDefUtil::getUserDefFloat("text", 0), 42.9f);
    EXPECT_TRUE(UDefUtil::getUserDefBool("text"));
    UDefUtil::setUserDef(QString("kg 42"), "text");
    EXPECT_EQ(UDefUtil::getUserDefInt("text", 5), 0);
    EXPECT_FALSE(UDefUtil::getUserDefBool("text", true));
    UDefUtil::setUserDef(QString("-1e3x"), "text");
    EXPECT_EQ(UDefUtil::getUserDefDouble("text"), -1000.0);
    UDefUtil::setUserDef(QString("yes"), "text");
    EXPECT_TRUE(UDefUtil::getUserDefBool("text"));
    UDefUtil::setUserDef(QString("00"), "text");
    EXPECT_FALSE(UDefUtil::getUserDefBool("text"));
    EXPECT_TRUE(UDefUtil::getUserDefMutableArray("text").isEmpty());

    UDefUtil::setUserDefFloat(2.9f, "f");
    EXPECT_EQ(UDefUtil::getUserDefInt("f"), 2);
    UDefUtil::setUserDef(at(2020, 1, 1), "d");
    EXPECT_EQ(UDefUtil::getUserDefInt("d", 3), 0);
}

TEST_F(UDefUtilTest, TheFileIsFollowedWhereverItIsAndHandEditsReadAsText) {
    UDefUtil::setUserDefInt(1, "welcome");
    qputenv("QUORVEL_SETTINGS", (dataDir() + "/other.ini").toUtf8());
    EXPECT_FALSE(UDefUtil::getUserDef("welcome").isValid());
    UDefUtil::setUserDefInt(2, "welcome");
    qputenv("QUORVEL_SETTINGS", (dataDir() + "/settings.ini").toUtf8());
    EXPECT_EQ(UDefUtil::getUserDefInt("welcome"), 1);

    QFile file(dataDir() + "/edited.ini");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[General]\nwelcome=5\nname=a, b\n");
    file.close();
    qputenv("QUORVEL_SETTINGS", file.fileName().toUtf8());
    EXPECT_EQ(UDefUtil::getUserDefInt("welcome"), 5);
    EXPECT_EQ(UDefUtil::getUserDefString("name", ""), "a, b");
}

TEST_F(UDefUtilTest, ADamagedFileReadsDefaultsKeepsOtherKeysAndRaisesNoFalseAlarm) {
    QFile file(dataDir() + "/settings.ini");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[General]\nQVStartWeightValue=double:1e308\nQVHeightValue=float:nan\n"
               "QVStartIntensity=double:-inf\nQVStartActivity=int:7\nnot a setting\n"
               "name=text:caf\xe9\nwelcome=int:2\n");
    file.close();
    LogCapture log;
    for (int read = 0; read < 2; ++read) {
        EXPECT_EQ(UDefUtil::getUserDefFloat("QVStartWeightValue", 50000.0f), 50000.0f);
        EXPECT_EQ(UDefUtil::getUserDefFloat("QVHeightValue", 170.0f), 170.0f);
        EXPECT_EQ(UDefUtil::getUserDefDouble("QVStartIntensity", 0.5), 0.5);
        EXPECT_EQ(UDefUtil::getUserDefInt("QVStartActivity", 0), 0);
    }
    EXPECT_EQ(UDefUtil::getUserDefString("name", ""), "caf\u00e9");
    UDefUtil::setUserDefInt(3, "welcome");
    UDefUtil::setUserDefFloat(60000.0f, "QVStartWeightValue");
    // Each bad value once, the unreadable line and the Latin-1 line; no write is said to fail.
    EXPECT_EQ(log.lines().size(), 6) << log.lines().join('\n').toStdString();
    EXPECT_FALSE(log.contains("could not be written"));
    restart();
    EXPECT_EQ(UDefUtil::getUserDefInt("welcome"), 3);
    EXPECT_EQ(UDefUtil::getUserDefFloat("QVStartWeightValue", 0), 60000.0f);
    EXPECT_EQ(UDefUtil::getUserDefString("name", ""), "caf\u00e9");
}

TEST_F(UDefUtilTest, AFailedWriteIsReported) {
    QFile blocker(dataDir() + "/not-a-folder");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("QUORVEL_SETTINGS", (dataDir() + "/not-a-folder/settings.ini").toUtf8());
    LogCapture log;
    UDefUtil::setUserDefInt(1, "welcome");
    EXPECT_TRUE(log.contains("not-a-folder/settings.ini"));
}
