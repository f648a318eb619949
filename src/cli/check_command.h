#pragma once

#include <filesystem>
#include <ostream>

#include "macro/macro_check.h"

namespace plessard::cli {

// Checks a macro file. Accepted: the summary to out, warnings to err, exit_success.
// Otherwise every problem to err as FILE:LINE: message, exit_failure; an unreadable file gives
// its description and exit_failure as well.
[[nodiscard]] int run_check(const std::filesystem::path& file, std::ostream& out,
                            std::ostream& err);

// The problems the check kept, one line each, in line order, then "... and N more problems"
// when it found more.
void report_problems(const macro::MacroCheck& check, std::ostream& err);

}  // namespace plessard::cli
