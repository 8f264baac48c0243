#pragma once

#include "core/db/DBManager.h"

// The four database handles, each opened with its version on first use and kept for the run.
class QVUtil {
public:
    static DBManager& foodDbc();
    static DBManager& exerciseDbc();
    static DBManager& commonDbc();
    static DBManager& weightDbc();
    // Closes the two diary files; the next use opens them again, with their version check.
    static void closeUserDatabases();
};
