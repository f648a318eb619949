#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace plessard::testing {

// The lines of a macro text, each without its CR LF; a last line without one counts too.
inline std::vector<std::string> lines_of(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

}  // namespace plessard::testing
