#pragma once

#include "core/base/QVColor.h"

#include <QString>
#include <QVariant>
#include <QVariantMap>

// Small helpers used everywhere.
class Util {
public:
    // The application's own identifier; it prefixes the database version keys.
    static QString bundleIdentifier();
    // The shipped resource directory (looked up once per run) joined with the name.
    static QString resourcePath(const QString& name);
    // Stores the object under the key; an invalid (absent) object leaves the map untouched.
    static void dictAddObject(QVariantMap& dict, const QVariant& object, const QString& key);
    static QVColor colorWithRGB(int r, int g, int b);
    static QVColor colorWithRGBA(int r, int g, int b, double a);
};
