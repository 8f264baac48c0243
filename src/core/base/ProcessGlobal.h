#pragma once

#include "core/base/ResetRegistry.h"

#include <memory>

// A process-wide value of type T, made on first use; the reset registered then drops it, and the
// next use makes a fresh one. A T that only this may make names ProcessGlobal<T> a friend.
template <class T> class ProcessGlobal {
public:
    static T& get() {
        if (!slot()) {
            slot().reset(new T());
            ResetRegistry::add(&drop);
        }
        return *slot();
    }
    // Drops the value now; the next use makes a fresh one.
    static void drop() { slot().reset(); }

private:
    static std::unique_ptr<T>& slot() {
        static std::unique_ptr<T> value;
        return value;
    }
};
