#include "core/db/QVUtil.h"

#include "core/base/ProcessGlobal.h"
#include "core/db/DBManager.h"

#include <memory>

namespace {

struct Handles {
    std::unique_ptr<DBManager> food;
    std::unique_ptr<DBManager> exercise;
    std::unique_ptr<DBManager> common;
    std::unique_ptr<DBManager> weight;
};

DBManager& open(std::unique_ptr<DBManager>& slot, const char* file, const char* version,
                const char* keySuffix, DBManager::ReloadPolicy policy) {
    if (!slot) {
        // Kept only once it opened, so a failed open is tried again by the next use.
        auto manager = std::make_unique<DBManager>();
        manager->setReloadPolicy(policy);
        manager->initVersion(QString::fromLatin1(version), QString::fromLatin1(file),
                             QString::fromLatin1(keySuffix));
        slot = std::move(manager);
    }
    return *slot;
}

Handles& handles() {
    return ProcessGlobal<Handles>::get();
}

} // namespace

DBManager& QVUtil::foodDbc() {
    return open(handles().food, "food.db", "1.1.2", "_Quorvel_database_food",
                DBManager::ReloadPolicy::Replace);
}

DBManager& QVUtil::exerciseDbc() {
    return open(handles().exercise, "exercise.db", "1.1.7", "_Quorvel_database_exercise",
                DBManager::ReloadPolicy::Replace);
}

DBManager& QVUtil::commonDbc() {
    return open(handles().common, "common.db", "1.0.7", "_Quorvel_database_common",
                DBManager::ReloadPolicy::CarryRows);
}

void QVUtil::closeUserDatabases() {
    handles().common.reset();
    handles().weight.reset();
}

DBManager& QVUtil::weightDbc() {
    return open(handles().weight, "weight.db", "1.0.8", "_Tessaly_database_weight",
                DBManager::ReloadPolicy::CarryRows);
}
