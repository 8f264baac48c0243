#pragma once

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// Every test case runs with its own data directory and settings file, the built resources, UTC,
// the real clock unset and all process-wide state dropped.
class QuorvelTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The temporary data directory of this case.
    QString dataDir() const;
    // Points the shipped resources at an empty folder of this case, for the case to fill with
    // small databases or images, and returns its path.
    QString useOwnResources();
    // A file in this case's own resources.
    QString resourcePath(const QString& name) const;

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

namespace testenv {
// Called once from the test mains: pins locale, style-independent settings and the zone.
void initProcess();
// Drops all process-wide state and points the paths at a fresh directory.
void resetState(const QString& dataDir);
} // namespace testenv
