#include "core/settings/UDefUtil.h"
#include "core/settings/SettingsStore.h"
#include "support/TestEnv.h"

#include <QDateTime>
#include <QFile>
#include <QSize>
#include <QStringList>

static QStringList warnings;

class UDefUtilTest : public QuorvelTest {
protected:
    // What a new process sees: the in-memory store is gone, only the file remains.
    static void restart() { SettingsStore::drop(); }
};

TEST_F(UDefUtilTest, ValuesKeepTheirTypesAcrossARestart) {
    const QDateTime birth(QDate(2001, 2, 28), QTime(0, 0));
    UDefUtil::setUserDefFloat(1587.7251f, "QVAllowedCalories");
    UDefUtil::setUserDefDouble(1.0 / 2.2, "QVStartIntensity");
    UDefUtil::setUserDefInt(-3, "welcome");
    UDefUtil::setUserDefBool(false, "QVSex");
    UDefUtil::setUserDef(birth, "QVDateBirthValue");
    UDefUtil::setUserDef(QString("a, b = c; @d"), "text");
    UDefUtil::setUserDefMutableArray({1, QString("x"), 2.5f}, "list");
    restart();

    const QVariant calories = UDefUtil::getUserDef("QVAllowedCalories");
    EXPECT_EQ(calories.metaType().id(), QMetaType::Float);
    EXPECT_EQ(calories.toFloat(), 1587.7251f);
    const QVariant plan = UDefUtil::getUserDef("QVStartIntensity");
    EXPECT_EQ(plan.metaType().id(), QMetaType::Double);
    EXPECT_EQ(plan.toDouble(), 1.0 / 2.2);
    EXPECT_EQ(UDefUtil::getUserDef("welcome").metaType().id(), QMetaType::Int);
    EXPECT_EQ(UDefUtil::getUserDefInt("welcome"), -3);
    EXPECT_EQ(UDefUtil::getUserDef("QVSex").metaType().id(), QMetaType::Bool);
    EXPECT_FALSE(UDefUtil::getUserDefBool("QVSex", true));
    const QVariant date = UDefUtil::getUserDef("QVDateBirthValue");
    EXPECT_EQ(date.metaType().id(), QMetaType::QDateTime);
    EXPECT_EQ(date.toDateTime(), birth);
    EXPECT_EQ(UDefUtil::getUserDef("text"), QVariant(QString("a, b = c; @d")));
    const QVariantList list = UDefUtil::getUserDefMutableArray("list");
    ASSERT_EQ(list.size(), 3);
    EXPECT_EQ(list[0].metaType().id(), QMetaType::Int);
    EXPECT_EQ(list[1].toString(), "x");
    EXPECT_EQ(list[2].metaType().id(), QMetaType::Float);
}

TEST_F(UDefUtilTest, AbsentKeysReadTheirDefaults) {
    EXPECT_FALSE(UDefUtil::getUserDef("missing").isValid());
    EXPECT_FALSE(UDefUtil::getUserDefBool("missing"));
    EXPECT_TRUE(UDefUtil::getUserDefBool("missing", true));
    EXPECT_EQ(UDefUtil::getUserDefInt("missing"), 0);
    EXPECT_EQ(UDefUtil::getUserDefFloat("missing", 500.0f), 500.0f);
    EXPECT_EQ(UDefUtil::getUserDefString("missing", "none"), "none");
    EXPECT_TRUE(UDefUtil::getUserDefMutableArray("missing").isEmpty());
}

TEST_F(UDefUtilTest, RemovedKeysAreAbsentAfterARestart) {
    UDefUtil::setUserDefInt(2, "welcome");
    UDefUtil::removeUserDef("welcome");
    restart();
    EXPECT_EQ(UDefUtil::getUserDefInt("welcome", 9), 9);
}

TEST_F(UDefUtilTest, OtherTypesReadThroughTheirNumberOrTruth) {
    UDefUtil::setUserDef(QString("  42.9kg"), "text");
    EXPECT_EQ(UDefUtil::getUserDefInt("text"), 42);
    EXPECT_DOUBLE_EQ(UDefUtil::getUserDefDouble("text"), 42.9);
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

    UDefUtil::setUserDefFloat(2.9f, "f");
    EXPECT_EQ(UDefUtil::getUserDefInt("f"), 2);
    EXPECT_TRUE(UDefUtil::getUserDefBool("f"));
    UDefUtil::setUserDefInt(0, "i");
    EXPECT_FALSE(UDefUtil::getUserDefBool("i", true));
    UDefUtil::setUserDef(QDateTime(QDate(2020, 1, 1), QTime(0, 0)), "d");
    EXPECT_EQ(UDefUtil::getUserDefInt("d", 3), 0);
    EXPECT_TRUE(UDefUtil::getUserDefMutableArray("text").isEmpty());
}

TEST_F(UDefUtilTest, FollowsTheSettingsPathWhenItChanges) {
    UDefUtil::setUserDefInt(1, "welcome");
    qputenv("QUORVEL_SETTINGS", (dataDir() + "/other.ini").toUtf8());
    EXPECT_FALSE(UDefUtil::getUserDef("welcome").isValid());
    UDefUtil::setUserDefInt(2, "welcome");
    qputenv("QUORVEL_SETTINGS", (dataDir() + "/settings.ini").toUtf8());
    EXPECT_EQ(UDefUtil::getUserDefInt("welcome"), 1);
}

TEST_F(UDefUtilTest, UnkeepableValuesChangeNothing) {
    UDefUtil::setUserDefInt(1, "welcome");
    UDefUtil::setUserDef(QVariant::fromValue(QSize(1, 2)), "welcome");
    EXPECT_EQ(UDefUtil::getUserDefInt("welcome"), 1);
}

TEST_F(UDefUtilTest, HandEditedPlainValuesReadAsText) {
    QFile file(dataDir() + "/settings.ini");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[General]\nwelcome=5\nname=a, b\n");
    file.close();
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
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { warnings << text; });
    for (int read = 0; read < 2; ++read) {
        EXPECT_EQ(UDefUtil::getUserDefFloat("QVStartWeightValue", 50000.0f), 50000.0f);
        EXPECT_EQ(UDefUtil::getUserDefFloat("QVHeightValue", 170.0f), 170.0f);
        EXPECT_EQ(UDefUtil::getUserDefDouble("QVStartIntensity", 0.5), 0.5);
        EXPECT_EQ(UDefUtil::getUserDefInt("QVStartActivity", 0), 0);
    }
    EXPECT_EQ(UDefUtil::getUserDefString("name", ""), "caf\u00e9");
    UDefUtil::setUserDefInt(3, "welcome");
    UDefUtil::setUserDefFloat(60000.0f, "QVStartWeightValue");
    qInstallMessageHandler(previous);
    // Each bad value once, the unreadable line and the Latin-1 line; no write is said to fail.
    EXPECT_EQ(warnings.size(), 6) << warnings.join('\n').toStdString();
    EXPECT_FALSE(warnings.join('\n').contains("could not be written"));
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
    warnings.clear();
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtWarningMsg)
                warnings << text;
        });
    UDefUtil::setUserDefInt(1, "welcome");
    qInstallMessageHandler(previous);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings.first().contains("not-a-folder/settings.ini"));
}
