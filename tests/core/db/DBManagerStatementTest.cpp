#include "DBException.h"
#include "DBManager.h"
#include "DbTestSupport.h"
#include "ScopedTimeZone.h"

#include <sqlite3.h>

class DBManagerStatementTest : public OwnResourcesTest {
protected:
    void SetUp() override {
        OwnResourcesTest::SetUp();
        rawdb::exec(resourcePath("diary.db"),
                    "create table entry (id INTEGER PRIMARY KEY, amount REAL, meal INTEGER, "
                    "name TEXT, date TEXT, big INTEGER);");
        db.initWithDB("diary.db");
    }

    DBManager db;
};

TEST_F(DBManagerStatementTest, TextParametersTakeTheColumnsNumericAffinity) {
    const qint64 first = db.insertStmt("insert into entry (amount, meal, name) values (?, ?, ?)",
                                       {"9.50", "3.00", "soup"});
    const qint64 second = db.insertStmt("insert into entry (amount, meal, name) values (?, ?, ?)",
                                        {"10.25", "1.00", "bread"});
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 2);
    // Numeric, not text, ordering: 10.25 is the greater amount.
    EXPECT_EQ(db.selectField("name", "entry order by amount desc"), (QStringList{"bread", "soup"}));
    EXPECT_EQ(db.executeIntScalar("select meal from entry where name = ?", {"soup"}), 3);
    EXPECT_EQ(db.getMaxId("amount", "entry"), 10);
    EXPECT_EQ(db.select({"id", "name"}, "entry", "meal < ?", {"2"}),
              (QList<QStringList>{{"2", "bread"}}));
}

TEST_F(DBManagerStatementTest, ScalarsOnEmptyTablesAndMissingRows) {
    EXPECT_EQ(db.executeIntScalar("select id from entry"), DBManager::kNoRow);
    EXPECT_EQ(db.executeIntScalar("select count(*) from entry"), 0);
    EXPECT_EQ(db.getMaxId("id", "entry"), 0);
    EXPECT_TRUE(db.select({"id"}, "entry").isEmpty());
}

TEST_F(DBManagerStatementTest, EachDistinctTextIsPreparedOnceAndRebound) {
    sqlite3_stmt* a = db.prepareStmt("select count(*) from entry where meal = ?", {"1"});
    sqlite3_stmt* b = db.prepareStmt("select count(*) from entry where meal = ?", {"2"});
    EXPECT_EQ(a, b);
    EXPECT_EQ(db.cachedStatementCount(), 1);
    db.getMaxId("id", "entry");
    db.getMaxId("meal", "entry");
    EXPECT_EQ(db.cachedStatementCount(), 3);

    // Rebinding with fewer parameters leaves the rest NULL, not the old values.
    db.insertStmt("insert into entry (name, meal) values (?, ?)", {"x", "2"});
    db.insertStmt("insert into entry (name, meal) values (?, ?)", {"y"});
    EXPECT_EQ(db.executeIntScalar("select count(*) from entry where meal is null"), 1);

    // A parameter the statement has no place for is reported, not dropped in silence.
    LogCapture log;
    EXPECT_EQ(db.executeIntScalar("select count(*) from entry where meal = ?", {"2", "extra"}), 1);
    EXPECT_TRUE(log.lines().contains(
        "Binding parameter 2 failed: 2nd parameter to sqlite3_bind out of range"));
}

TEST_F(DBManagerStatementTest, FailuresRaiseAndLeaveTheStatementReusable) {
    LogCapture log;
    try {
        db.prepareStmt("selec nothing from entry", {"p1", "p2"});
        FAIL() << "no raise";
    } catch (const DBException& e) {
        EXPECT_EQ(e.name(), "DBManager (diary.db) preparing statement error");
        EXPECT_EQ(e.reason(), "SQL error or missing database");
    }
    EXPECT_EQ(db.cachedStatementCount(), 0);
    EXPECT_TRUE(log.contains("Preparing statement error: SQL error or missing database"));
    EXPECT_TRUE(log.lines().contains("Query: selec nothing from entry"));
    EXPECT_TRUE(log.lines().contains("p2"));

    const QString insert = "insert into entry (id, name) values (?, ?)";
    db.insertStmt(insert, {"7", "first"});
    try {
        db.insertStmt(insert, {"7", "again"});
        FAIL() << "no raise";
    } catch (const DBException& e) {
        EXPECT_EQ(e.name(), "DBManager step error");
        EXPECT_EQ(e.reason(), "Abort due to contraint violation");
    }
    // The failed statement was reset, so the same text works again.
    EXPECT_EQ(db.insertStmt(insert, {"8", "second"}), 8);
    EXPECT_EQ(db.executeIntScalar("select count(*) from entry"), 2);
}

TEST_F(DBManagerStatementTest, StatementStepRaisesAndInsertOfARowIsReported) {
    sqlite3_stmt* stmt = db.prepareStmt("select 1");
    LogCapture log;
    EXPECT_EQ(db.insertStmt(stmt), -1);
    EXPECT_TRUE(log.lines().contains("Unhandled SQLite error code 100"));
    stmt = db.prepareStmt("insert into entry (id) values (?)", {"5"});
    EXPECT_EQ(db.insertStmt(stmt), 5);
    // sqlite3_step on a NULL handle is a misuse, reported with its own text.
    try {
        DBManager::sqlStep(nullptr);
        FAIL() << "no raise";
    } catch (const DBException& e) {
        EXPECT_EQ(e.name(), "DBManager step error");
        EXPECT_EQ(e.reason(), "Library used incorrectly");
    }
}

TEST_F(DBManagerStatementTest, ErrorTextsCoverThePrimaryCodesOnly) {
    EXPECT_EQ(DBManager::getSQLiteErrMsg(1), "SQL error or missing database");
    EXPECT_EQ(DBManager::getSQLiteErrMsg(14), "Unable to open the database file");
    EXPECT_EQ(DBManager::getSQLiteErrMsg(25), "2nd parameter to sqlite3_bind out of range");
    EXPECT_EQ(DBManager::getSQLiteErrMsg(26), "File opened that is not a database file");
    EXPECT_EQ(DBManager::getSQLiteErrMsg(0), "Unhandled SQLite error code 0");
    EXPECT_EQ(DBManager::getSQLiteErrMsg(27), "Unhandled SQLite error code 27");
    EXPECT_EQ(DBManager::getSQLiteErrMsg(101), "Unhandled SQLite error code 101");
    EXPECT_EQ(DBManager::getSQLiteErrMsg(2067), "Unhandled SQLite error code 2067");
}

TEST_F(DBManagerStatementTest, ColumnsReadNullsAndWideValuesSafely) {
    db.insertStmt("insert into entry (id, big) values (?, ?)", {"1", "1099511627776"});
    sqlite3_stmt* stmt = db.prepareStmt("select name, date, big, amount from entry");
    ASSERT_TRUE(DBManager::nextStep(stmt));
    EXPECT_TRUE(DBManager::getTextCol(stmt, 0).isEmpty());
    EXPECT_FALSE(DBManager::getTextCol(stmt, 0).isNull());
    EXPECT_FALSE(DBManager::getDateAsStrCol(stmt, 1).isValid());
    EXPECT_EQ(DBManager::getLongCol(stmt, 2), Q_INT64_C(1099511627776));
    EXPECT_TRUE(DBManager::getBoolCol(stmt, 2));
    EXPECT_EQ(DBManager::getDoubleCol(stmt, 3), 0.0);
    EXPECT_FALSE(DBManager::getDateCol(stmt, 3).isValid());
    EXPECT_FALSE(DBManager::nextStep(stmt));
    DBManager::reset(stmt);
}

TEST_F(DBManagerStatementTest, DatesTravelAsLocalTextInBothPatterns) {
    ScopedTimeZone tz("America/New_York");
    const QDateTime summer(QDate(2026, 7, 4), QTime(23, 30, 15));
    EXPECT_EQ(DBManager::dateAsString(summer), "2026-07-04 23:30:15");
    EXPECT_EQ(DBManager::dateAsUTF8tring(summer.toUTC()), QByteArray("2026-07-04 23:30:15"));
    const QStringList texts{"2026-07-04 23:30:15", "2026-07-04 23:30", "04/07/2026", ""};
    for (int i = 0; i < texts.size(); ++i)
        db.insertStmt("insert into entry (id, date) values (?, ?)",
                      {QString::number(i + 1), texts[i]});
    sqlite3_stmt* stmt = db.prepareStmt("select date from entry order by id");
    QList<QDateTime> read;
    while (DBManager::nextStep(stmt))
        read.append(DBManager::getDateAsStrCol(stmt, 0));
    DBManager::reset(stmt);
    ASSERT_EQ(read.size(), 4);
    EXPECT_EQ(read[0], summer);
    EXPECT_EQ(read[1], QDateTime(QDate(2026, 7, 4), QTime(23, 30)));
    EXPECT_FALSE(read[2].isValid());
    EXPECT_FALSE(read[3].isValid());
}

TEST_F(DBManagerStatementTest, DoubleDatesCountFromTwoThousandOne) {
    db.insertStmt("insert into entry (id, amount) values (?, ?)", {"1", "86400.5"});
    sqlite3_stmt* stmt = db.prepareStmt("select amount from entry");
    ASSERT_TRUE(DBManager::nextStep(stmt));
    EXPECT_EQ(DBManager::getDateCol(stmt, 0).toUTC(),
              QDateTime(QDate(2001, 1, 2), QTime(0, 0, 0, 500), Qt::UTC));
    DBManager::reset(stmt);
}
