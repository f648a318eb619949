#pragma once

namespace plessard::cli {

// What a host script sees of a run.
enum ExitStatus : int {
    exit_success = 0,
    exit_failure = 1,  // a file or arithmetic error, or a macro file with problems
    exit_usage = 2,    // a bad command line or a rejected parameter
};

}  // namespace plessard::cli
