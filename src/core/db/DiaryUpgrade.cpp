#include "core/db/DiaryUpgrade.h"

#include "core/db/DBException.h"
#include "core/db/DurableFile.h"

namespace {

const QString kCreateFailure =
    QStringLiteral("DBManager failed to create writable database file with message");
const QString kReplaceFailure =
    QStringLiteral("DBManager failed to remove old database version file with message");

std::function<void(int)>& stepHook() {
    static std::function<void(int)> hook;
    return hook;
}

void step(int n) {
    if (stepHook())
        stepHook()(n);
}

} // namespace

void DiaryUpgrade::setStepHook(std::function<void(int)> hook) {
    stepHook() = std::move(hook);
}

DiaryUpgrade::Result DiaryUpgrade::run(const QString& shipped, const QString& path) {
    const QString temp = DurableFile::tempPath(path);
    Result result;
    try {
        step(1);
        DurableFile::removeWithJournals(temp);
        DurableFile::copy(shipped, temp, kCreateFailure);
        step(2);
        // Carrying reads the user's file first, which also rolls back a write that a crash
        // interrupted, so the backup below is a consistent file.
        result.report = UserDataMigration::carry(temp, path);
        step(3);
        DurableFile::sync(temp, kCreateFailure);
        step(4);
        result.backupPath = DurableFile::freeBackupName(path);
        DurableFile::copy(path, result.backupPath, kCreateFailure);
        step(5);
        DurableFile::replace(temp, path, kReplaceFailure);
    } catch (const DBException&) {
        DurableFile::removeWithJournals(temp);
        throw;
    }
    step(6);
    return result;
}
