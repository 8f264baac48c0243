#pragma once

#include <QDateTime>

// The one source of "now". Tests set it; a whole run of the application can be pinned
// with QUORVEL_NOW (an ISO 8601 local time such as 2026-12-06T09:30:00).
class Clock {
public:
    static QDateTime now();
    static void set(const QDateTime& fixed);
    // Back to the environment (QUORVEL_NOW) or, without it, the system clock.
    static void reset();
};
