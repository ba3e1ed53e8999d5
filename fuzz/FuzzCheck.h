#pragma once

#include <cstdio>
#include <cstdlib>

// Stops a fuzz target at a broken property, so libFuzzer keeps the input as
// a crash and the seed runner fails.
namespace fuzz {

inline void Check(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

}  // namespace fuzz
