#include "core/backup/BackupFolder.h"

#include "core/backup/BackupFailure.h"
#include "core/backup/BackupRetention.h"
#include "core/backup/BackupWriter.h"
#include "core/base/Clock.h"
#include "core/base/Paths.h"
#include "core/base/ProcessGlobal.h"

#include <QDebug>
#include <QDir>

namespace {

struct UpgradeBackup {
    bool made = false;
};

} // namespace

QString BackupFolder::path() {
    return QDir(Paths::dataDir()).filePath(QStringLiteral("backups"));
}

QList<BackupSet> BackupFolder::sets() {
    QList<BackupSet> complete;
    QList<BackupSet> incomplete;
    const QDir dir(path());
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        std::optional<BackupSet> set = BackupSet::at(dir.filePath(name));
        if (set)
            (set->hasManifest() ? complete : incomplete).append(*set);
    }
    // Only marks the weekly sets here; sets past keeping (a removal that failed) still show.
    complete += BackupRetention::apply(complete) + incomplete;
    std::stable_sort(complete.begin(), complete.end(),
                     [](const BackupSet& a, const BackupSet& b) { return a.isNewerThan(b); });
    return complete;
}

BackupSet BackupFolder::add(BackupSet::Kind kind) {
    BackupSet set = BackupWriter::write(path(), kind);
    prune();
    return set;
}

void BackupFolder::prune() {
    QList<BackupSet> complete;
    const QDir dir(path());
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        // A folder without a manifest was not written here: it is shown, never removed.
        std::optional<BackupSet> set = BackupSet::at(dir.filePath(name));
        if (set && set->hasManifest())
            complete.append(*set);
    }
    for (const BackupSet& old : BackupRetention::apply(complete))
        if (!QDir(old.path()).removeRecursively())
            qWarning().noquote()
                << QStringLiteral("Backup %1 could not be removed").arg(old.path());
}

BackupSet BackupFolder::backUpNow() {
    return add(BackupSet::Kind::Manual);
}

std::optional<BackupSet> BackupFolder::dailyIfDue() {
    const QDate today = Clock::now().date();
    for (const BackupSet& set : sets())
        if (set.kind() == BackupSet::Kind::Daily && set.hasManifest() &&
            set.created().toLocalTime().date() == today)
            return std::nullopt;
    return add(BackupSet::Kind::Daily);
}

void BackupFolder::beforeUpgrade() {
    UpgradeBackup& state = ProcessGlobal<UpgradeBackup>::get();
    if (state.made)
        return;
    state.made = true;
    try {
        const BackupSet set = add(BackupSet::Kind::BeforeUpgrade);
        qInfo().noquote()
            << QStringLiteral("The diary was backed up to %1 before its upgrade").arg(set.path());
    } catch (const BackupFailure& failure) {
        qWarning().noquote()
            << QStringLiteral("No backup before the upgrade: %1").arg(failure.reason());
    }
}

std::optional<BackupSet> BackupFolder::beforeRestore() {
    if (!BackupWriter::hasUserData())
        return std::nullopt;
    // Not pruned yet: that could remove the very set about to be restored.
    return BackupWriter::write(path(), BackupSet::Kind::BeforeRestore);
}
