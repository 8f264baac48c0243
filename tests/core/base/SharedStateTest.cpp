#include "core/base/AppVars.h"
#include "core/base/ResetRegistry.h"
#include "core/base/Util.h"
#include "support/TestEnv.h"

#include <QDir>

class SharedStateTest : public QuorvelTest {};

TEST_F(SharedStateTest, VarsStartEmptyAndAreDroppedByAReset) {
    EXPECT_TRUE(AppVars::getVars().isEmpty());
    AppVars::getVars().insert("food_current_date", QDateTime(QDate(2026, 12, 6), QTime(0, 0)));
    EXPECT_EQ(AppVars::getVars().value("food_current_date").toDateTime().date(),
              QDate(2026, 12, 6));
    ResetRegistry::resetAll();
    EXPECT_TRUE(AppVars::getVars().isEmpty());
}

TEST_F(SharedStateTest, AbsentObjectsLeaveTheDictionaryAlone) {
    QVariantMap dict{{"k", 1}};
    Util::dictAddObject(dict, QVariant(), "k");
    EXPECT_EQ(dict.value("k"), QVariant(1));
    Util::dictAddObject(dict, 2, "k");
    EXPECT_EQ(dict.value("k"), QVariant(2));
}

TEST_F(SharedStateTest, ResourcePathsLieInTheResourceDirectory) {
    const QString path = Util::resourcePath("food.db");
    EXPECT_EQ(QFileInfo(path).fileName(), "food.db");
    EXPECT_EQ(QDir::cleanPath(QFileInfo(path).absolutePath()),
              QDir::cleanPath(qEnvironmentVariable("QUORVEL_RESOURCE_DIR")));
}
