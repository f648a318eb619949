#pragma once

#include <ostream>
#include <string>

#include "params/parameter_checks.h"

namespace plessard::cli {

// The window's inputs as arguments: where the part dimensions come from, where the macro goes
// ("-" for standard output), both UTF-8 text, and the four parameter texts as they would be
// typed.
struct WriteOptions {
    std::string input = "./vb_input.txt";
    std::string output = "./vb_output.txt";
    std::string dx{params::default_texts.DX};
    std::string dy{params::default_texts.DY};
    std::string nx{params::default_texts.NX};
    std::string ny{params::default_texts.NY};
};

// Checks the parameters, reads the part dimensions and writes the macro through the same
// core calls as the window, so the bytes are the window's bytes. A rejected parameter, or an
// output that is the input file itself, gives its message and exit_usage; a file or arithmetic
// error its description and exit_failure. An input of more than six numbers is written from
// the first six, with a warning that names them. Messages go to err.
[[nodiscard]] int run_write(const WriteOptions& options, std::ostream& err);

}  // namespace plessard::cli
