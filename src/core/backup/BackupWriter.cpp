#include "core/backup/BackupWriter.h"

#include "core/backup/BackupFailure.h"
#include "core/base/Clock.h"
#include "core/base/Paths.h"
#include "core/db/DBException.h"
#include "core/db/DBManager.h"
#include "core/db/DurableFile.h"
#include "core/db/SqliteConnection.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kFailed = QStringLiteral("Backup Failed");
const QString kPartial = QStringLiteral(".partial-");
// A hidden folder untouched for this long was left by a write that never finished (another
// process writing a set right now touches its folder far more often).
constexpr qint64 kStaleSecs = 3600;

void removeStalePartials(const QDir& parent) {
    const QFileInfoList partials =
        parent.entryInfoList({kPartial + QLatin1Char('*')}, QDir::Dirs | QDir::Hidden);
    // File times are the file system's, so the real clock, not the diary's, judges them.
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (const QFileInfo& partial : partials)
        if (partial.lastModified().toUTC().secsTo(now) > kStaleSecs)
            QDir(partial.filePath()).removeRecursively();
}

QString freeName(const QDir& parent, const QDateTime& created, BackupSet::Kind kind) {
    const QString base = BackupSet::folderName(created, kind);
    QString name = base;
    for (int n = 2; parent.exists(name); ++n)
        name = QStringLiteral("%1-%2").arg(base).arg(n);
    return name;
}

void copyIntoSet(const QString& name, const QDir& set) {
    const QString source = DBManager::pathToDBWithName(name);
    const QString target = set.filePath(name);
    // A diary never opened yet is the empty one the program would start it from.
    if (QFileInfo::exists(source))
        BackupWriter::copyDatabase(source, target);
    else
        DurableFile::copy(QDir(Paths::resourceDir()).filePath(name), target, kFailed);
    SqliteConnection copy(target, SqliteConnection::Mode::ReadOnly, kFailed);
    if (const QString problem = copy.integrityProblem(); !problem.isEmpty())
        throw DBException(kFailed, QStringLiteral("%1 fails its check (%2)").arg(name, problem));
    DurableFile::sync(target, kFailed);
}

} // namespace

void BackupWriter::copyDatabase(const QString& source, const QString& target,
                                SqliteConnection::Mode sourceMode) {
    const SqliteConnection from(source, sourceMode, kFailed);
    SqliteConnection to(target, SqliteConnection::Mode::Create, kFailed);
    to.copyFrom(from);
}

bool BackupWriter::hasUserData() {
    for (const QString& name : BackupSet::databases())
        if (QFileInfo::exists(DBManager::pathToDBWithName(name)))
            return true;
    return QFileInfo::exists(Paths::settingsFile());
}

BackupSet BackupWriter::write(const QString& parentDir, BackupSet::Kind kind) {
    QDir parent(parentDir);
    if (!parent.mkpath(QStringLiteral(".")))
        throw BackupFailure(kFailed,
                            QStringLiteral("The folder %1 cannot be made.").arg(parentDir));
    removeStalePartials(parent);
    const QDateTime created = Clock::now();
    const QString name = freeName(parent, created, kind);
    const QString temp = parent.filePath(kPartial + name);
    QDir(temp).removeRecursively();
    BackupSet set(temp);
    try {
        if (!parent.mkdir(kPartial + name))
            throw DBException(kFailed, QStringLiteral("cannot make %1").arg(temp));
        const QDir dir(temp);
        for (const QString& database : BackupSet::databases())
            copyIntoSet(database, dir);
        const QString settings = Paths::settingsFile();
        if (QFileInfo::exists(settings))
            DurableFile::copy(settings, dir.filePath(BackupSet::settingsName()), kFailed);
        set.writeManifest(kind, created,
                          DiaryContents::read(dir.filePath(BackupSet::databases().at(0)),
                                              dir.filePath(BackupSet::databases().at(1))));
        DurableFile::sync(temp, kFailed);
        DurableFile::replace(temp, parent.filePath(name), kFailed);
    } catch (const NamedException& failure) {
        QDir(temp).removeRecursively();
        throw BackupFailure(kFailed,
                            QStringLiteral("No backup was made: %1.").arg(failure.reason()));
    }
    set.path_ = parent.absoluteFilePath(name);
    return set;
}
