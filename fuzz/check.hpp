// check.hpp: a fuzz target's assertion, kept in release builds and loud when it fails.
#pragma once

#include <cstdio>
#include <cstdlib>

inline void fuzz_check(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "fuzz check failed: %s\n", what);
        std::abort();
    }
}
