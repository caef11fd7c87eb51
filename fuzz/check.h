// The fuzzers' invariant check: a broken invariant ends the run as a crash, which
// libFuzzer reports with the input that caused it.
#pragma once

#include <cstdlib>

namespace fuzz {

inline void Check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

}  // namespace fuzz
