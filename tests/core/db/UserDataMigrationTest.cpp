#include "core/base/ResetRegistry.h"
#include "core/base/UserNotices.h"
#include "core/base/Util.h"
#include "core/db/DBException.h"
#include "core/db/DBManager.h"
#include "core/db/DiaryUpgrade.h"
#include "core/db/QVUtil.h"
#include "core/settings/UDefUtil.h"
#include "support/LogCapture.h"
#include "support/RawDatabase.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QFile>

// A changed version of a diary file keeps what the user recorded.
class UserDataMigrationTest : public QuorvelTest {
protected:
    void SetUp() override {
        QuorvelTest::SetUp();
        RawDatabase::file(useOwnResources() + "/diary.db")
            .exec("create table meal (id INTEGER PRIMARY KEY, name TEXT, kcal REAL);"
                  "create table note (id INTEGER PRIMARY KEY, text TEXT);");
        open("1.0");
        RawDatabase::user("diary.db")
            .exec("insert into meal (id, name, kcal) values (4, 'soup', 120), (9, 'tea', 2);"
                  "insert into note (text) values ('kept');");
    }

    void open(const QString& version) {
        manager_ = std::make_unique<DBManager>();
        manager_->setReloadPolicy(DBManager::ReloadPolicy::CarryRows);
        manager_->initVersion(version, "diary.db", "_diary");
    }
    static QString storedVersion() {
        return UDefUtil::getUserDefString(Util::bundleIdentifier() + "_diary", "");
    }
    QStringList backups() const {
        return QDir(dataDir()).entryList({"diary.db.*.bak"}, QDir::Files);
    }

    std::unique_ptr<DBManager> manager_;
};

TEST_F(UserDataMigrationTest, RowsMoveIntoTheNewFileAndTheOldOneStaysAsBackup) {
    // The next build ships a file whose tables differ from the user's copy.
    manager_.reset();
    QFile::remove(resourcePath("diary.db"));
    RawDatabase::file(resourcePath("diary.db"))
        .exec("create table meal (id INTEGER PRIMARY KEY, name TEXT, portions REAL DEFAULT 1);"
              "create table extra (id INTEGER PRIMARY KEY);");
    LogCapture log;
    open("2.0");
    const RawDatabase user = RawDatabase::user("diary.db");
    EXPECT_EQ(user.lines("select id, name, portions from meal order by id"),
              (QStringList{"4|soup|1.0", "9|tea|1.0"}));
    EXPECT_EQ(user.count("extra"), 0);
    EXPECT_EQ(user.count("sqlite_master", "name = 'note'"), 0);

    ASSERT_EQ(backups().size(), 1);
    const RawDatabase backup = RawDatabase::file(dataDir() + "/" + backups().first());
    EXPECT_EQ(backup.text("select text from note"), "kept");
    EXPECT_EQ(backup.text("select sum(kcal) from meal"), "122.0");

    EXPECT_TRUE(log.contains("2 rows of meal carried over"));
    EXPECT_TRUE(log.contains("column kcal of meal is not in the new file and was dropped"));
    EXPECT_TRUE(log.contains("table note is not in the new file and stays in the backup"));
    // The note the new file has no table for is a row the user loses sight of: they are told.
    const QList<UserNotices::Notice> notices = UserNotices::take();
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].message.startsWith("1 of your entries in diary.db could not be carried"))
        << notices[0].message.toStdString();
    EXPECT_EQ(storedVersion(), "2.0");
    EXPECT_EQ(manager_->executeIntScalar("select max(id) from meal"), 9);
}

TEST_F(UserDataMigrationTest, StoppedAtAnyStepTheNextStartHoldsEveryRow) {
    struct Stop {}; // what a crash is to the upgrade: nothing in it catches this
    manager_.reset();
    const auto rows = [this] {
        return RawDatabase::user("diary.db")
            .text("select group_concat(id || name || kcal) || "
                  "(select text from note) from meal");
    };
    const QString before = rows();
    for (int stopAt = 1; stopAt <= DiaryUpgrade::kStepCount; ++stopAt) {
        SCOPED_TRACE(stopAt);
        UDefUtil::setUserDefString("1.0", Util::bundleIdentifier() + "_diary");
        DiaryUpgrade::setStepHook([stopAt](int step) {
            if (step == stopAt)
                throw Stop{};
        });
        EXPECT_THROW(open("2.0"), Stop);
        DiaryUpgrade::setStepHook({});
        // Before the rename the old file, after it the new one: whole either way.
        EXPECT_EQ(rows(), before);
        EXPECT_EQ(storedVersion(), "1.0");
        LogCapture log;
        open("2.0");
        EXPECT_EQ(rows(), before);
        EXPECT_EQ(storedVersion(), "2.0");
        EXPECT_EQ(log.contains("Database diary.db: an unfinished upgrade was removed"),
                  stopAt >= 2 && stopAt <= 5);
        EXPECT_EQ(QDir(dataDir()).entryList({"*.upgrade*"}), QStringList());
    }
}

TEST_F(UserDataMigrationTest, TwoUpgradesKeepTwoBackups) {
    open("2.0");
    open("3.0");
    EXPECT_EQ(backups().size(), 2);
    EXPECT_EQ(RawDatabase::user("diary.db").count("meal"), 2);
}

TEST_F(UserDataMigrationTest, AFailedCarryLeavesTheUsersFileAndVersionAlone) {
    manager_.reset();
    // The user's copy is damaged: it cannot be read as a database.
    QFile broken(dataDir() + "/diary.db");
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write(QByteArray(4096, 'x'));
    broken.close();
    EXPECT_THROW(open("2.0"), DBException);
    ASSERT_TRUE(broken.open(QIODevice::ReadOnly));
    EXPECT_EQ(broken.readAll(), QByteArray(4096, 'x'));
    EXPECT_TRUE(backups().isEmpty());
    EXPECT_EQ(storedVersion(), "1.0");
}

// The two diary handles carry rows; the catalogue handles replace their copy.
class HandleReloadTest : public QuorvelTest {};

TEST_F(HandleReloadTest, DiariesSurviveAVersionChangeCataloguesDoNot) {
    const QString dir = useOwnResources();
    const QList<QStringList> files{{"common.db", "saved_food", "_Quorvel_database_common", "1.0.7"},
                                   {"weight.db", "weight", "_Tessaly_database_weight", "1.0.8"},
                                   {"food.db", "food_items", "_Quorvel_database_food", "1.1.2"}};
    for (const QStringList& f : files)
        RawDatabase::file(dir + "/" + f[0])
            .exec(QString("create table %1 (id INTEGER PRIMARY KEY, name TEXT);").arg(f[1]));
    QVUtil::commonDbc().insertStmt("insert into saved_food (name) values (?)", {"apple"});
    QVUtil::weightDbc().insertStmt("insert into weight (name) values (?)", {"monday"});
    QVUtil::foodDbc().insertStmt("insert into food_items (name) values (?)", {"local"});
    ResetRegistry::resetAll();
    for (const QStringList& f : files) {
        EXPECT_EQ(UDefUtil::getUserDefString(Util::bundleIdentifier() + f[2], ""), f[3]);
        UDefUtil::setUserDefString("0.9", Util::bundleIdentifier() + f[2]);
    }
    EXPECT_EQ(QVUtil::commonDbc().selectField("name", "saved_food"), QStringList{"apple"});
    EXPECT_EQ(QVUtil::weightDbc().selectField("name", "weight"), QStringList{"monday"});
    EXPECT_TRUE(QVUtil::foodDbc().selectField("name", "food_items").isEmpty());
}
