#include "DbTestSupport.h"

#include <QDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {
QStringList captured;
QtMessageHandler previousHandler = nullptr;
} // namespace

namespace rawdb {

void exec(const QString& path, const QString& script) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
    char* error = nullptr;
    const int rc = sqlite3_exec(db, script.toUtf8().constData(), nullptr, nullptr, &error);
    const QString message = error ? QString::fromUtf8(error) : QString();
    sqlite3_free(error);
    sqlite3_close(db);
    ASSERT_EQ(rc, SQLITE_OK) << message.toStdString();
}

QString scalar(const QString& path, const QString& sql) {
    sqlite3* db = nullptr;
    sqlite3_stmt* stmt = nullptr;
    QString value;
    EXPECT_EQ(sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr),
              SQLITE_OK);
    EXPECT_EQ(sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt, nullptr), SQLITE_OK)
        << sqlite3_errmsg(db);
    if (stmt && sqlite3_step(stmt) == SQLITE_ROW)
        value = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return value;
}

} // namespace rawdb

LogCapture::LogCapture() {
    captured.clear();
    previousHandler = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& message) { captured << message; });
}

LogCapture::~LogCapture() {
    qInstallMessageHandler(previousHandler);
}

const QStringList& LogCapture::lines() const {
    return captured;
}

bool LogCapture::contains(const QString& part) const {
    return std::any_of(captured.begin(), captured.end(),
                       [&](const QString& line) { return line.contains(part); });
}

void OwnResourcesTest::SetUp() {
    QuorvelTest::SetUp();
    previousResources_ = qgetenv("QUORVEL_RESOURCE_DIR");
    resources_ = dataDir() + "/shipped";
    ASSERT_TRUE(QDir().mkpath(resources_));
    qputenv("QUORVEL_RESOURCE_DIR", resources_.toUtf8());
    qputenv("QUORVEL_DATA_DIR", (dataDir() + "/documents").toUtf8());
}

void OwnResourcesTest::TearDown() {
    QuorvelTest::TearDown();
    qputenv("QUORVEL_RESOURCE_DIR", previousResources_);
}

QString OwnResourcesTest::resourcePath(const QString& name) const {
    return resources_ + "/" + name;
}

QString OwnResourcesTest::userPath(const QString& name) const {
    return dataDir() + "/documents/" + name;
}
