#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace plessard::cli {

// What a command line hands the program, as UTF-8 text, and file names made from that text.
// Inside the program every text is UTF-8; only the system's edges see another encoding.

// The arguments of main, the program's name first. POSIX systems pass file names as bytes,
// which are taken as they are.
[[nodiscard]] std::vector<std::string> utf8_arguments(int argc, const char* const* argv);

#ifdef _WIN32
// The arguments of wmain, from UTF-16 (what Windows keeps). A lone surrogate, which no UTF-8
// text can hold, becomes U+FFFD.
[[nodiscard]] std::vector<std::string> utf8_arguments(int argc, const wchar_t* const* argv);
#endif

// A file name given as UTF-8 text. On Windows the text is not read in the ANSI code page, so
// a name such as "Größe部品\\vb_input.txt" means that very file.
[[nodiscard]] std::filesystem::path path_from_utf8(std::string_view text);

}  // namespace plessard::cli
