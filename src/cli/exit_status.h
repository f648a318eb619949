#pragma once

#include <ostream>

#include "platform/error.h"

namespace plessard::cli {

// What a host script sees of a run.
enum ExitStatus : int {
    exit_success = 0,
    exit_failure = 1,  // a file or arithmetic error, or a macro file with problems
    exit_usage = 2,    // a bad command line or a rejected parameter
};

// The status of the work, or, when it raises a file or arithmetic error, exit_failure with the
// error's description on err: the one way a command fails on a file.
template <typename Work>
[[nodiscard]] int failing_on_errors(std::ostream& err, Work&& work) {
    try {
        return work();
    } catch (const platform::Error& error) {
        err << error.what() << '\n';
        return exit_failure;
    }
}

}  // namespace plessard::cli
