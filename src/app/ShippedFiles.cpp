#include "app/ShippedFiles.h"

#include <QDir>
#include <QFileInfo>

QStringList ShippedFiles::missing(const QString& resourceDir) {
    static const char* const files[] = {
        "food.db",
        "exercise.db",
        "common.db",
        "weight.db",
        "images/tab_overview.png",
        "images/tab_food.png",
        "images/tab_exercise.png",
        "images/tab_weight.png",
        "images/tab_profile.png",
    };
    QStringList absent;
    const QDir dir(resourceDir);
    for (const char* file : files)
        if (!QFileInfo(dir.filePath(QLatin1String(file))).isFile())
            absent << QLatin1String(file);
    return absent;
}

QString ShippedFiles::message(const QString& resourceDir, const QStringList& missing) {
    return QStringLiteral("Quorvel cannot find its files in %1 (missing: %2). Install it again, "
                          "or set QUORVEL_RESOURCE_DIR to the folder that holds them.")
        .arg(QDir::toNativeSeparators(resourceDir), missing.join(QStringLiteral(", ")));
}
