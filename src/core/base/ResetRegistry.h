#pragma once

#include <functional>

// Process-wide state (database handles, caches, day lists, vars) registers how to drop itself
// when it is first created; tests call resetAll() between cases.
class ResetRegistry {
public:
    static void add(std::function<void()> reset);
    static void resetAll();
};
