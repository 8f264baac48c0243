#include "core/db/DBException.h"
#include "core/db/DBManager.h"
#include "support/Dates.h"
#include "support/LogCapture.h"
#include "support/RawDatabase.h"
#include "support/ScopedTimeZone.h"
#include "support/TestEnv.h"

#include <sqlite3.h>

class DBManagerStatementTest : public QuorvelTest {
protected:
    void SetUp() override {
        QuorvelTest::SetUp();
        RawDatabase::file(useOwnResources() + "/diary.db")
            .exec("create table entry (id INTEGER PRIMARY KEY, amount REAL, meal INTEGER, "
                  "name TEXT, date TEXT);");
        db.initVersion("1", "diary.db", "_diary");
    }
    DBManager db;
};

TEST_F(DBManagerStatementTest, TextParametersTakeTheColumnsAffinityAndTextsArePreparedOnce) {
    EXPECT_EQ(db.executeIntScalar("select id from entry"), DBManager::kNoRow);
    const QString insert = "insert into entry (amount, meal, name) values (?, ?, ?)";
    EXPECT_EQ(db.insertStmt(insert, {"9.50", "3.00", "soup"}), 1);
    EXPECT_EQ(db.insertStmt(insert, {"10.25", "1.00", "bread"}), 2);
    EXPECT_EQ(db.selectField("name", "entry order by amount desc"), (QStringList{"bread", "soup"}));
    EXPECT_EQ(db.executeIntScalar("select meal from entry where name = ?", {"soup"}), 3);
    EXPECT_EQ(db.select({"id", "name"}, "entry", "meal < ?", {"2"}),
              (QList<QStringList>{{"2", "bread"}}));

    EXPECT_EQ(db.prepareStmt("select count(*) from entry where meal = ?", {"1"}),
              db.prepareStmt("select count(*) from entry where meal = ?", {"2"}));
    // Fewer parameters than last time leave the rest NULL, not the old values.
    db.insertStmt("insert into entry (name, meal) values (?, ?)", {"x", "2"});
    db.insertStmt("insert into entry (name, meal) values (?, ?)", {"y"});
    EXPECT_EQ(db.executeIntScalar("select count(*) from entry where meal is null"), 1);
    LogCapture log;
    EXPECT_EQ(db.executeIntScalar("select count(*) from entry where meal = ?", {"2", "extra"}), 1);
    EXPECT_TRUE(log.lines().contains(
        "Binding parameter 2 failed: 2nd parameter to sqlite3_bind out of range"));
}

TEST_F(DBManagerStatementTest, FailuresRaiseAndLeaveTheStatementReusable) {
    LogCapture log;
    try {
        db.prepareStmt("selec nothing from entry", {"p1", "p2"});
        ADD_FAILURE() << "no raise";
    } catch (const DBException& e) {
        EXPECT_EQ(e.name(), "DBManager (diary.db) preparing statement error");
        // SQLite's own words, which name what went wrong.
        EXPECT_EQ(e.reason(), "near \"selec\": syntax error");
    }
    EXPECT_TRUE(log.contains("Preparing statement error: SQL error or missing database"));
    EXPECT_TRUE(log.lines().contains("Query: selec nothing from entry"));
    EXPECT_TRUE(log.lines().contains("p2"));

    const QString insert = "insert into entry (id, name) values (?, ?)";
    db.insertStmt(insert, {"7", "first"});
    try {
        db.insertStmt(insert, {"7", "again"});
        ADD_FAILURE() << "no raise";
    } catch (const DBException& e) {
        EXPECT_EQ(e.name(), "DBManager step error");
        EXPECT_EQ(e.reason(), "UNIQUE constraint failed: entry.id");
    }
    EXPECT_EQ(db.insertStmt(insert, {"8", "second"}), 8);
    EXPECT_EQ(db.insertStmt(db.prepareStmt("select 1")), -1);
    EXPECT_TRUE(log.lines().contains("Unhandled SQLite error code 100"));
    EXPECT_EQ(DBManager::getSQLiteErrMsg(2067), "Unhandled SQLite error code 2067");
}

TEST_F(DBManagerStatementTest, ColumnsReadNullsWideValuesAndBothDatePatterns) {
    ScopedTimeZone tz("America/New_York");
    const QDateTime summer = at(2026, 7, 4, 23, 30, 15);
    EXPECT_EQ(DBManager::dateAsString(summer.toUTC()), "2026-07-04 23:30:15");
    for (const QString& date :
         {DBManager::dateAsString(summer), QString("2026-07-04 23:30"), QString("04/07/2026")})
        db.insertStmt("insert into entry (date, meal) values (?, ?)", {date, "1099511627776"});
    db.insertStmt("insert into entry (name) values (?)", {});
    sqlite3_stmt* stmt = db.prepareStmt("select date, name, meal from entry order by id");
    QList<QDateTime> read;
    while (DBManager::nextStep(stmt))
        read.append(DBManager::getDateAsStrCol(stmt, 0));
    DBManager::reset(stmt);
    EXPECT_EQ(read, (QList<QDateTime>{summer, at(2026, 7, 4, 23, 30), QDateTime(), QDateTime()}));
    ASSERT_TRUE(DBManager::nextStep(stmt));
    EXPECT_EQ(DBManager::getLongCol(stmt, 2), Q_INT64_C(1099511627776));
    EXPECT_FALSE(DBManager::getTextCol(stmt, 1).isNull());
    DBManager::reset(stmt);
}
