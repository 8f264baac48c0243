#include "support/ScopedTimeZone.h"

#include <QtGlobal>
#include <ctime>

ScopedTimeZone::ScopedTimeZone(const char* zone) : previous_(qgetenv("TZ")) {
    apply(zone);
}

ScopedTimeZone::~ScopedTimeZone() {
    apply(previous_.isEmpty() ? "UTC" : previous_.constData());
}

void ScopedTimeZone::apply(const char* zone) {
    qputenv("TZ", zone);
    tzset();
}
