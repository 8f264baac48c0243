#include "core/db/DiaryUpgrade.h"
#include "DbTestSupport.h"
#include "core/base/Util.h"
#include "core/db/DBManager.h"
#include "core/settings/UDefUtil.h"

#include <QDir>
#include <QFile>

namespace {
// What a crash is to the upgrade: nothing of it catches this.
struct Stop {};
} // namespace

class DiaryUpgradeTest : public OwnResourcesTest {
protected:
    void SetUp() override {
        OwnResourcesTest::SetUp();
        rawdb::exec(resourcePath("diary.db"), "create table meal (id INTEGER PRIMARY KEY, "
                                              "name TEXT, portions REAL DEFAULT 1);");
    }
    void TearDown() override {
        DiaryUpgrade::setStepHook({});
        OwnResourcesTest::TearDown();
    }

    // The diary an older version left: its own schema, 300 rows, version 1.0 stored.
    void writeOldDiary() {
        QDir(dataDir() + "/documents").removeRecursively();
        QDir().mkpath(dataDir() + "/documents");
        rawdb::exec(userPath("diary.db"),
                    "create table meal (id INTEGER PRIMARY KEY, name TEXT, kcal REAL);"
                    "with recursive n(i) as (select 1 union all select i + 1 from n where i < 300)"
                    " insert into meal select i * 3, 'meal ' || i, i from n;");
        UDefUtil::setUserDefString("1.0", versionKey());
    }
    static QString versionKey() { return Util::bundleIdentifier() + "_diary"; }
    static void open(const QString& version) {
        DBManager manager;
        manager.setReloadPolicy(DBManager::ReloadPolicy::CarryRows);
        manager.initVersion(version, "diary.db", "_diary");
    }
    QString rows() const {
        return rawdb::scalar(userPath("diary.db"),
                             "select count(*) || ' ' || sum(id) || ' ' || max(name) from meal");
    }
};

TEST_F(DiaryUpgradeTest, StoppedAtAnyStepTheNextStartHoldsEveryRow) {
    for (int stopAt = 1; stopAt <= DiaryUpgrade::kStepCount; ++stopAt) {
        SCOPED_TRACE(stopAt);
        writeOldDiary();
        const QString before = rows();
        ASSERT_EQ(before, "300 135450 meal 99");
        DiaryUpgrade::setStepHook([stopAt](int step) {
            if (step == stopAt)
                throw Stop{};
        });
        EXPECT_THROW(open("2.0"), Stop);
        DiaryUpgrade::setStepHook({});
        // Before the rename the old file, after it the new one: whole either way.
        EXPECT_EQ(rows(), before);
        EXPECT_EQ(UDefUtil::getUserDefString(versionKey(), ""), "1.0");

        LogCapture log;
        open("2.0");
        EXPECT_EQ(rows(), before);
        EXPECT_EQ(rawdb::scalar(userPath("diary.db"), "select sum(portions) from meal"), "300.0");
        EXPECT_EQ(UDefUtil::getUserDefString(versionKey(), ""), "2.0");
        EXPECT_EQ(log.contains("Database diary.db: an unfinished upgrade was removed"),
                  stopAt >= 2 && stopAt <= 5);
        EXPECT_EQ(QDir(dataDir() + "/documents").entryList({"*.upgrade*"}), QStringList());
    }
}
