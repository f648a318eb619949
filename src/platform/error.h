#pragma once

#include <stdexcept>
#include <string>

namespace plessard::platform {

// The one error type of the program: every failing operation raises it, and the window shows
// its description as it stands, so the description must make sense to an operator on its own.
enum class ErrorNumber : int {
    open_failed = 1,
    read_failed = 2,
    bad_field = 3,
    past_end = 4,
    write_failed = 5,
    close_failed = 6,
    floating_point = 8,
    no_program_folder = 9,
};

class Error : public std::runtime_error {
  public:
    Error(ErrorNumber number, const std::string& description);

    [[nodiscard]] ErrorNumber number() const noexcept { return number_; }

  private:
    ErrorNumber number_;
};

}  // namespace plessard::platform
