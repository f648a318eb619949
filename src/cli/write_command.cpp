#include "cli/write_command.h"

#include <variant>

#include "cli/command_line.h"
#include "cli/exit_status.h"
#include "cli/output_target.h"
#include "input/input_file.h"
#include "macro/writing_run.h"
#include "params/parameter_checks.h"

namespace plessard::cli {

int run_write(const WriteOptions& options, std::ostream& err) {
    // The parameters are looked at first: a mistyped argument costs no file access.
    const params::ParameterCheck checked =
        params::check_array_parameters({options.dx, options.dy, options.nx, options.ny});
    if (const auto* rejection = std::get_if<params::ParameterRejection>(&checked)) {
        err << rejection->message << '\n';
        return exit_usage;
    }
    const auto& array = std::get<params::ArrayParameters>(checked);
    const auto input = path_from_utf8(options.input);
    const OutputTarget output(options.output);
    if (const auto refusal = output.over_input(input)) {
        err << *refusal << '\n';
        return exit_usage;
    }
    return failing_on_errors(err, [&] {
        const input::PartDimensions part = input::read_part_dimensions_file(input);
        auto out = output.open();
        macro::write_macro(out, part, array);
        out.close();
        return exit_success;
    });
}

}  // namespace plessard::cli
