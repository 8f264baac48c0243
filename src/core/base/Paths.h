#pragma once

#include <QString>

// Where the program reads its shipped resources and keeps the user's files.
// QUORVEL_RESOURCE_DIR, QUORVEL_DATA_DIR and QUORVEL_SETTINGS redirect them (tests, gallery).
class Paths {
public:
    // Shipped databases and images: <exe dir>/../share/quorvel in the build tree and after install
    // (wherever the installed tree is moved).
    static QString resourceDir();
    // Writable copies of the databases.
    static QString dataDir();
    // The INI file of the settings store.
    static QString settingsFile();
};
