#include "support/TestEnv.h"

#include "core/base/Clock.h"
#include "core/base/ResetRegistry.h"
#include "support/ScopedTimeZone.h"

#include <QDir>
#include <QLocale>

namespace testenv {

void initProcess() {
    qputenv("QUORVEL_RESOURCE_DIR", QUORVEL_TEST_RESOURCE_DIR);
    qputenv("LC_ALL", "C");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ScopedTimeZone::apply("UTC");
}

void resetState(const QString& dataDir) {
    ResetRegistry::resetAll();
    qputenv("QUORVEL_RESOURCE_DIR", QUORVEL_TEST_RESOURCE_DIR);
    qputenv("QUORVEL_DATA_DIR", dataDir.toUtf8());
    qputenv("QUORVEL_SETTINGS", (dataDir + "/settings.ini").toUtf8());
    Clock::reset();
    ScopedTimeZone::apply("UTC");
}

} // namespace testenv

void QuorvelTest::SetUp() {
    dir_ = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(dir_->isValid());
    testenv::resetState(dir_->path());
}

void QuorvelTest::TearDown() {
    ResetRegistry::resetAll();
    Clock::reset();
    dir_.reset();
}

QString QuorvelTest::dataDir() const {
    return dir_->path();
}

QString QuorvelTest::useOwnResources() {
    const QString resources = dataDir() + "/resources";
    QDir().mkpath(resources);
    ResetRegistry::resetAll();
    qputenv("QUORVEL_RESOURCE_DIR", resources.toUtf8());
    return resources;
}

QString QuorvelTest::resourcePath(const QString& name) const {
    return dataDir() + "/resources/" + name;
}
