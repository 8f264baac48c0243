#include "core/db/DurableFile.h"

#include "core/base/Clock.h"
#include "core/db/DBException.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

[[noreturn]] void fail(const QString& name, const QString& what, const QString& path) {
    throw DBException(
        name,
        QStringLiteral("%1 %2: %3").arg(what, path, QString::fromLocal8Bit(std::strerror(errno))));
}

bool syncDescriptor(const QString& path, int flags) {
    const int fd = ::open(QFile::encodeName(path).constData(), flags);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    const int saved = errno;
    ::close(fd);
    errno = saved;
    return synced;
}

} // namespace

void DurableFile::copy(const QString& from, const QString& to, const QString& failureName) {
    QFile::remove(to);
    QFile source(from);
    if (!source.copy(to))
        throw DBException(failureName, source.errorString());
    // The shipped file may be installed read-only; the user's copy must take writes.
    QFile::setPermissions(to, QFile::permissions(to) | QFile::ReadOwner | QFile::WriteOwner);
    sync(to, failureName);
}

void DurableFile::sync(const QString& path, const QString& failureName) {
    if (!syncDescriptor(path, O_RDONLY))
        fail(failureName, QStringLiteral("cannot flush"), path);
}

void DurableFile::replace(const QString& from, const QString& to, const QString& failureName) {
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        fail(failureName, QStringLiteral("cannot replace"), to);
    // The new directory entry is only durable once the directory itself is flushed.
    syncDescriptor(QFileInfo(to).absolutePath(), O_RDONLY | O_DIRECTORY);
}

void DurableFile::removeWithJournals(const QString& path) {
    for (const char* suffix : {"", "-journal", "-wal", "-shm"})
        QFile::remove(path + QLatin1String(suffix));
}

QString DurableFile::tempPath(const QString& path) {
    return path + QStringLiteral(".upgrade");
}

QString DurableFile::freeBackupName(const QString& path) {
    const QString stamp = Clock::now().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString backup = QStringLiteral("%1.%2.bak").arg(path, stamp);
    for (int n = 2; QFileInfo::exists(backup); ++n)
        backup = QStringLiteral("%1.%2-%3.bak").arg(path, stamp).arg(n);
    return backup;
}
