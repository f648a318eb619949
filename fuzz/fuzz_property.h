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

// Messages end up in a message box or on a terminal: nothing but printable ASCII.
[[nodiscard]] inline bool is_printable_ascii(std::string_view text) noexcept {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7F) {
            return false;
        }
    }
    return true;
}

}  // namespace plessard::fuzz
