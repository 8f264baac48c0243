#include "core/backup/BackupRestore.h"

#include "core/backup/BackupFailure.h"
#include "core/backup/BackupFolder.h"
#include "core/backup/BackupWriter.h"
#include "core/base/Paths.h"
#include "core/base/ProcessGlobal.h"
#include "core/db/DBManager.h"
#include "core/db/QVUtil.h"
#include "core/db/SqliteConnection.h"
#include "core/diary/ExerciseDayInfo.h"
#include "core/diary/FoodDayInfo.h"
#include "core/settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const QString kRefused = QStringLiteral("Cannot Restore");

void restoreSettings(const QString& from) {
    const QString to = Paths::settingsFile();
    QFile source(from);
    QDir().mkpath(QFileInfo(to).absolutePath());
    QSaveFile target(to);
    if (!source.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly) ||
        target.write(source.readAll()) < 0 || !target.commit())
        throw BackupFailure(
            kRefused,
            QStringLiteral("the settings file cannot be written: %1").arg(target.errorString()));
}

} // namespace

std::optional<BackupSet> BackupRestore::find(const QString& dir) {
    if (std::optional<BackupSet> set = BackupSet::at(dir))
        return set;
    std::optional<BackupSet> newest;
    const QDir folder(dir);
    for (const QString& name : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        std::optional<BackupSet> set = BackupSet::at(folder.filePath(name));
        if (set && (!newest || set->isNewerThan(*newest)))
            newest = set;
    }
    return newest;
}

BackupRestore::Result BackupRestore::restore(const BackupSet& set) {
    if (const QString problem = set.problem(); !problem.isEmpty())
        throw BackupFailure(
            kRefused,
            QStringLiteral("The backup of %1 %2. Nothing was changed.").arg(set.title(), problem));
    Result result{set, std::nullopt};
    try {
        result.safety = BackupFolder::beforeRestore();
    } catch (const BackupFailure& failure) {
        throw BackupFailure(kRefused, QStringLiteral("The diary as it is now could not be kept "
                                                     "first. %1 Nothing was changed.")
                                          .arg(failure.reason()));
    }
    forgetLoaded();
    try {
        putInPlace(set);
    } catch (const NamedException& failure) {
        QString reason = QStringLiteral("Restoring the backup of %1 failed: %2.")
                             .arg(set.title(), failure.reason());
        if (result.safety) {
            try {
                putInPlace(*result.safety);
                reason += QStringLiteral(" Your diary is as it was before.");
            } catch (const NamedException&) {
                reason += QStringLiteral(" Your diary as it was before is kept in %1.")
                              .arg(result.safety->path());
            }
        }
        forgetLoaded();
        throw BackupFailure(kRefused, reason);
    }
    forgetLoaded();
    BackupFolder::prune();
    return result;
}

void BackupRestore::putInPlace(const BackupSet& set) {
    const QDir dir(set.path());
    for (const QString& name : BackupSet::databases())
        BackupWriter::copyDatabase(dir.filePath(name), DBManager::pathToDBWithName(name),
                                   SqliteConnection::Mode::ReadOnly);
    if (set.holds(BackupSet::settingsName()))
        restoreSettings(dir.filePath(BackupSet::settingsName()));
}

void BackupRestore::forgetLoaded() {
    // The files may come from an older version of the program: opened again, they go through
    // the same versioned open, and upgrade, as at start-up.
    QVUtil::closeUserDatabases();
    // The day lists are the food and exercise models' process-wide slots: dropped, the next
    // use reads them from the restored file.
    ProcessGlobal<std::optional<FoodDayList>>::get().reset();
    ProcessGlobal<std::optional<ExerciseDayList>>::get().reset();
    SettingsStore::drop();
}
