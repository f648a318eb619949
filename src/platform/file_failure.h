#pragma once

#include <string>
#include <string_view>

#include "platform/system_file.h"

namespace plessard::platform {

// The words of every failure on a file, here and nowhere else: operators and host scripts read
// them, so they are the same wherever a failure is found. Each is the start of a message; what
// went wrong follows after a colon (failure_text).

// "Cannot open NAME for reading", "Cannot open NAME for writing".
[[nodiscard]] std::string cannot_open(std::string_view name, FileAccess access);

// "Cannot read NAME".
[[nodiscard]] std::string cannot_read(std::string_view name);

// "Cannot write to NAME": a write that failed, or a close that lost what was written.
[[nodiscard]] std::string cannot_write(std::string_view name);

// "FAILURE: CAUSE".
[[nodiscard]] std::string failure_text(std::string failure, std::string_view cause);

}  // namespace plessard::platform
