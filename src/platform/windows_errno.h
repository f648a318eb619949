#pragma once

#ifdef _WIN32

namespace plessard::platform {

// The errno value that stands for a Windows error code in the program's messages, so that a
// cause reads alike on every system; 0 for a code without one.
[[nodiscard]] int errno_from_windows(unsigned long code) noexcept;

}  // namespace plessard::platform

#endif
