#pragma once

#include "core/base/ResetRegistry.h"

#include <memory>

// A process-wide value of type T, made on first use; the reset registered then drops it, and the
// next use makes a fresh one.
template <class T> class ProcessGlobal {
public:
    static T& get() {
        if (!slot()) {
            slot() = std::make_unique<T>();
            ResetRegistry::add([] { slot().reset(); });
        }
        return *slot();
    }

private:
    static std::unique_ptr<T>& slot() {
        static std::unique_ptr<T> value;
        return value;
    }
};
