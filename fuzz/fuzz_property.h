#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace plessard::fuzz {

// A broken property ends the run the way a crash does, so libFuzzer keeps the input that broke
// it and the run fails; the line before the abort says which property it was.
[[noreturn]] inline void property_failed(std::string_view what) {
    constexpr std::string_view prefix = "property violated: ";
    std::fwrite(prefix.data(), 1, prefix.size(), stderr);
    std::fwrite(what.data(), 1, what.size(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
    std::abort();
}

inline void require(bool holds, std::string_view what) {
    if (!holds) {
        property_failed(what);
    }
}

}  // namespace plessard::fuzz
