#include "support/DiaryEntries.h"
#include "support/RawDatabase.h"
#include "support/ScopedTimeZone.h"
#include "support/TestEnv.h"

#include "core/backup/BackupFailure.h"
#include "core/backup/BackupFolder.h"
#include "core/backup/BackupRestore.h"
#include "core/backup/BackupRetention.h"
#include "core/base/Clock.h"
#include "core/base/ResetRegistry.h"
#include "core/base/Util.h"
#include "core/db/DBException.h"
#include "core/db/QVUtil.h"
#include "core/db/SqliteConnection.h"
#include "core/diary/FoodDayInfo.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/UDefUtil.h"
#include "support/Dates.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <atomic>
#include <chrono>
#include <thread>

namespace {

class BackupSetTest : public QuorvelTest {
protected:
    void SetUp() override {
        QuorvelTest::SetUp();
        Clock::set(at(2026, 12, 6, 9, 30));
    }

    static QStringList foodNamesOn(const QDateTime& day) {
        QStringList names;
        if (const FoodDayPtr food = FoodDayInfo::getFoodOn(day))
            for (const auto& meal : food->items())
                for (const auto& entry : meal)
                    names << entry->name();
        names.sort();
        return names;
    }

    // The bytes of the user's files and the list of backups, to show that nothing changed.
    QByteArray state() const {
        QCryptographicHash hash(QCryptographicHash::Sha256);
        for (const char* name : {"common.db", "weight.db", "settings.ini"}) {
            QFile file(dataDir() + "/" + name);
            if (file.open(QIODevice::ReadOnly))
                hash.addData(file.readAll());
        }
        hash.addData(QDir(BackupFolder::path()).entryList().join(',').toUtf8());
        return hash.result();
    }
};

int countIn(const BackupSet& set, const char* table) {
    SqliteConnection db(set.path() + "/common.db", SqliteConnection::Mode::ReadOnly, "test");
    return db.column(QString("select count(*) from %1").arg(table)).value(0).toInt();
}

} // namespace

TEST_F(BackupSetTest, SetsOfADiaryBeingWrittenAreWholeAndConsistent) {
    QVUtil::commonDbc();
    // Another connection writes a food entry and an exercise in each transaction while the
    // sets are made: a consistent copy holds as many of one as of the other. It pauses a moment
    // between transactions, as a program does: one that committed without a break would keep
    // every reader of the file out (SQLite lets a waiting writer in first).
    std::atomic<bool> stop{false};
    std::atomic<bool> failed{false};
    std::atomic<int> written{0};
    std::string failure;
    std::thread writer([&] {
        try {
            SqliteConnection db(dataDir() + "/common.db", SqliteConnection::Mode::ReadWrite, "w");
            while (!stop) {
                db.exec("begin; insert into saved_food (name, date, food_type_id) values ('a', "
                        "'2026-12-06 00:00:00', 0); insert into saved_exercise (name, date) "
                        "values ('b', '2026-12-06 00:00:00'); commit;");
                ++written;
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        } catch (const DBException& e) {
            failure = e.what();
            failed = true;
        }
    });
    while (written < 20 && !failed)
        std::this_thread::yield();
    QList<BackupSet> sets;
    QString refused;
    try {
        for (int i = 0; i < 3; ++i)
            sets << BackupFolder::backUpNow();
        // The writer goes on past the last set, so it wrote all through them.
        while (written <= sets.last().contents().food + 1 && !failed)
            std::this_thread::yield();
    } catch (const BackupFailure& e) {
        refused = e.reason();
    }
    stop = true;
    writer.join();
    ASSERT_EQ(failure, "");
    ASSERT_EQ(refused.toStdString(), "");

    int previous = 0;
    for (const BackupSet& set : sets) {
        EXPECT_EQ(set.problem(), "");
        const int food = countIn(set, "saved_food");
        EXPECT_EQ(countIn(set, "saved_exercise"), food);
        EXPECT_EQ(set.contents().food, food);
        EXPECT_GE(food, previous);
        previous = food;
    }
    EXPECT_GE(sets.first().contents().food, 20);
}

TEST_F(BackupSetTest, SixtyDaysOfStartsKeepSevenDailyAndEightWeeklySets) {
    // Across the change back from summer time on 1 November.
    ScopedTimeZone zone("America/New_York");
    saved(speedyFood(at(2026, 10, 1), 0, 300));
    const QDate first(2026, 10, 1);
    for (int d = 0; d < 60; ++d) {
        Clock::set(QDateTime(first.addDays(d), QTime(7, 0)));
        ASSERT_TRUE(BackupFolder::dailyIfDue()) << d;
        Clock::set(QDateTime(first.addDays(d), QTime(23, 30)));
        ASSERT_FALSE(BackupFolder::dailyIfDue()) << d; // once a calendar day
        if (d == 5)
            BackupFolder::backUpNow(); // sets made on request are not the daily ones
    }
    QStringList daily, weekly, other;
    for (const BackupSet& set : BackupFolder::sets()) {
        const QString day = set.created().date().toString(Qt::ISODate);
        if (set.kind() != BackupSet::Kind::Daily)
            other << day;
        else
            (set.isWeekly() ? weekly : daily) << day;
    }
    EXPECT_EQ(daily, QStringList({"2026-11-29", "2026-11-28", "2026-11-27", "2026-11-26",
                                  "2026-11-25", "2026-11-24", "2026-11-23"}));
    // The newest set of each Sunday-to-Saturday week before them.
    EXPECT_EQ(weekly, QStringList({"2026-11-22", "2026-11-21", "2026-11-14", "2026-11-07",
                                   "2026-10-31", "2026-10-24", "2026-10-17", "2026-10-10"}));
    EXPECT_EQ(other, QStringList({"2026-10-06"}));
    EXPECT_EQ(QDir(BackupFolder::path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 16);
}

TEST_F(BackupSetTest, RestoreBringsBackADeletedEntryAndKeepsTheStateBeforeIt) {
    const QDateTime day = at(2026, 12, 5);
    saved(speedyFood(day, 1, 300, "Soup"));
    saved(speedyFood(day, 2, 500, "Stew"));
    weigh(at(2026, 12, 5, 7), "80.50", "morning");
    UDefUtil::setUserDefFloat(182.0f, SettingsKeys::height);
    const BackupSet set = BackupFolder::backUpNow();
    EXPECT_EQ(set.contents().text(),
              "2 food entries, 0 exercises, 1 weighing, last entry 5 December 2026");

    ASSERT_TRUE(FoodDayInfo::getFoodOn(day)->removeFoodAtIndexPath(1, 0));
    UDefUtil::setUserDefFloat(170.0f, SettingsKeys::height);
    Clock::set(at(2026, 12, 6, 10, 0));
    const BackupRestore::Result result = BackupRestore::restore(set);

    // The day list and the settings are read anew from the restored files.
    EXPECT_EQ(foodNamesOn(day), QStringList({"Soup", "Stew"}));
    EXPECT_EQ(UDefUtil::getUserDefFloat(SettingsKeys::height, 0), 182.0f);
    ASSERT_TRUE(result.safety);
    EXPECT_EQ(result.safety->kind(), BackupSet::Kind::BeforeRestore);
    EXPECT_EQ(result.safety->contents().food, 1);

    // The state before the restore comes back from its own set, also when it is the oldest of
    // as many such sets as are kept: the one made first does not push it out.
    for (int i = 1; i < BackupRetention::kOthers; ++i) {
        Clock::set(at(2026, 12, 6, 10, i));
        BackupFolder::beforeRestore();
    }
    BackupRestore::restore(*result.safety);
    EXPECT_EQ(foodNamesOn(day), QStringList({"Stew"}));
    EXPECT_EQ(UDefUtil::getUserDefFloat(SettingsKeys::height, 0), 170.0f);
    EXPECT_EQ(RawDatabase::user("weight.db").count("weight"), 1);
}

TEST_F(BackupSetTest, DamagedOrIncompleteSetsAreRefusedAndChangeNothing) {
    saved(speedyFood(at(2026, 12, 5), 1, 300, "Soup"));
    const BackupSet good = BackupFolder::backUpNow();
    // A write that a crash cut short is only a hidden folder: never listed.
    QDir(BackupFolder::path()).mkdir(".partial-2026-12-06_093100-manual");
    ASSERT_EQ(BackupFolder::sets().size(), 1);

    const auto variant = [&](const QString& name, const std::function<void(const QString&)>& harm) {
        const QString dir = dataDir() + "/variants/" + name;
        QDir().mkpath(dir);
        for (const QString& file : QDir(good.path()).entryList(QDir::Files))
            QFile::copy(good.path() + "/" + file, dir + "/" + file);
        harm(dir);
        return *BackupSet::at(dir);
    };
    const auto flipByte = [](const QString& path) {
        QFile file(path);
        file.open(QIODevice::ReadWrite);
        QByteArray bytes = file.readAll();
        bytes[bytes.size() / 2] = char(bytes[bytes.size() / 2] ^ 0x5a);
        file.seek(0);
        file.write(bytes);
    };
    const QList<std::pair<BackupSet, QString>> refused{
        {variant("2026-12-06_093000-manual", [&](const QString& d) { flipByte(d + "/common.db"); }),
         "is damaged: common.db is not as it was written"},
        {variant("missing", [](const QString& d) { QFile::remove(d + "/weight.db"); }),
         "is incomplete: weight.db is missing"},
        {variant("2026-12-06_093000-daily",
                 [](const QString& d) { QFile::remove(d + "/manifest.json"); }),
         "is incomplete: its list of files is missing"},
        // A set that is as it was written but whose diary was already broken when copied.
        {variant("broken",
                 [&](const QString& d) {
                     QFile file(d + "/common.db");
                     file.open(QIODevice::WriteOnly);
                     file.write(QByteArray(4096, 'x'));
                     file.close();
                     BackupSet::at(d)->writeManifest(BackupSet::Kind::Manual, Clock::now(), {});
                 }),
         "is damaged: common.db fails its check"},
    };
    const QByteArray before = state();
    for (const auto& [set, problem] : refused) {
        try {
            BackupRestore::restore(set);
            ADD_FAILURE() << "restored " << set.path().toStdString();
        } catch (const BackupFailure& failure) {
            EXPECT_EQ(failure.name(), "Cannot Restore");
            EXPECT_TRUE(failure.reason().contains(problem)) << failure.reason().toStdString();
            EXPECT_TRUE(failure.reason().endsWith("Nothing was changed."));
        }
        EXPECT_EQ(state(), before) << set.path().toStdString();
    }
    EXPECT_EQ(good.problem(), "");
}

TEST_F(BackupSetTest, TheFirstUpgradeOfARunIsPrecededByOneBackupOfTheOldFiles) {
    saved(speedyFood(at(2026, 12, 5), 1, 300, "Soup"));
    weigh(at(2026, 12, 5, 7), "80.50");
    ResetRegistry::resetAll();
    UDefUtil::setUserDefString("0.9", Util::bundleIdentifier() + "_Quorvel_database_common");
    UDefUtil::setUserDefString("0.9", Util::bundleIdentifier() + "_Tessaly_database_weight");
    QVUtil::commonDbc();
    QVUtil::weightDbc();
    const QList<BackupSet> sets = BackupFolder::sets();
    ASSERT_EQ(sets.size(), 1);
    EXPECT_EQ(sets.first().kind(), BackupSet::Kind::BeforeUpgrade);
    EXPECT_EQ(sets.first().problem(), "");
    EXPECT_EQ(sets.first().contents().food, 1);
    EXPECT_EQ(sets.first().contents().weighings, 1);
}
