#pragma once

#include <filesystem>
#include <ostream>

#include "macro/macro_check.h"

namespace plessard::cli {

// Checks a macro file. Accepted: the summary to out, warnings to err, exit_success.
// Otherwise every problem to err as FILE:LINE: message, exit_failure; an unreadable file gives
// its description and exit_failure as well. Standard output redirected onto the file itself is
// a usage error (exit_usage), and nothing is read.
[[nodiscard]] int run_check(const std::filesystem::path& file, std::ostream& out,
                            std::ostream& err);

// The problems the check kept, one line each (errors, then warnings, each in line order),
// then what it found beyond them: "... and 2 more errors and 399900 more warnings".
void report_problems(const macro::MacroCheck& check, std::ostream& err);

}  // namespace plessard::cli
