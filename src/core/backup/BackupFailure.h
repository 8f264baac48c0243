#pragma once

#include "core/base/NamedException.h"

// A backup, restore or export that could not be done: the name is the title the user is shown
// ("Backup Failed", "Cannot Restore"), the reason says why and what became of the data.
// Deliberately not a DBException: the screens catch and show it, the program goes on.
class BackupFailure : public NamedException {
public:
    using NamedException::NamedException;
};
