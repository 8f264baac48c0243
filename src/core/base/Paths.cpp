#include "core/base/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace {

QString fromEnv(const char* name) {
    return qEnvironmentVariable(name);
}

} // namespace

QString Paths::resourceDir() {
    const QString env = fromEnv("QUORVEL_RESOURCE_DIR");
    if (!env.isEmpty())
        return env;
    const QString exeDir =
        QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    return QDir::cleanPath(exeDir + "/" + QStringLiteral(QUORVEL_RESOURCES_FROM_BIN));
}

QString Paths::dataDir() {
    const QString env = fromEnv("QUORVEL_DATA_DIR");
    if (!env.isEmpty())
        return env;
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString Paths::settingsFile() {
    const QString env = fromEnv("QUORVEL_SETTINGS");
    if (!env.isEmpty())
        return env;
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + "/quorvel.ini";
}
