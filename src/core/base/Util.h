#pragma once

#include <QString>

// Small helpers used everywhere.
class Util {
public:
    // The application's own identifier; it prefixes the database version keys.
    static QString bundleIdentifier();
    // The shipped resource directory (looked up once per run) joined with the name.
    static QString resourcePath(const QString& name);
};
