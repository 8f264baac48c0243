#pragma once

#include "core/db/DBException.h"

#include <QPointer>
#include <QWidget>
#include <functional>

// What happens to a database failure that no screen caught: it is logged with its name and
// reason, shown in an alert over the window, and when the alert is closed the application
// quits with a failure status. Everything written before stays written: each change was
// stored when it was made.
class DatabaseFailureReporter {
public:
    static void setWindow(QWidget* window);
    // Replaces how the application quits (tests).
    static void setQuit(std::function<void(int)> quit);
    static void report(const DBException& failure);
    // True once a failure was reported; later events are not handled any more.
    static bool failed();
};
