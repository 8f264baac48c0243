#pragma once

#include "support/TestEnv.h"

#include <QString>
#include <QStringList>

// Runs SQL straight through SQLite, outside the code under test.
namespace rawdb {
// Creates (or opens) the file and runs the script; a failure fails the test.
void exec(const QString& path, const QString& script);
// First column of the first row as text ("" when there is no row).
QString scalar(const QString& path, const QString& sql);
} // namespace rawdb

// Collects the log lines written while it lives.
class LogCapture {
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    const QStringList& lines() const;
    bool contains(const QString& part) const;
};

// A case with a resource directory of its own, filled by the case with small databases.
class OwnResourcesTest : public QuorvelTest {
protected:
    void SetUp() override;
    void TearDown() override;

    QString resourceDir() const { return resources_; }
    QString resourcePath(const QString& name) const;
    QString userPath(const QString& name) const;

private:
    QByteArray previousResources_;
    QString resources_;
};
