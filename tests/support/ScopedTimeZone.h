#pragma once

#include <QByteArray>

// Sets TZ for the life of the object and calls tzset(), so both the C library and Qt's
// local-time conversions see the zone ("America/New_York", "Asia/Kolkata", "America/St_Johns").
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone);
    ~ScopedTimeZone();
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

    static void apply(const char* zone);

private:
    QByteArray previous_;
};
