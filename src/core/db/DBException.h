#pragma once

#include "core/base/NamedException.h"

// A database failure with the name and reason the user and the log are shown.
// The screens do not catch it; the application shell reports it and quits cleanly.
class DBException : public NamedException {
public:
    using NamedException::NamedException;
};
