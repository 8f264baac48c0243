#pragma once

#include "core/base/NamedException.h"

namespace ui {

// A view that a screen built itself could not be found again: a programming fault, carried
// with a name and a reason like the database failures.
class ViewLookupException : public NamedException {
public:
    using NamedException::NamedException;
};

} // namespace ui
