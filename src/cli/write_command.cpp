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
    return failing_on_errors(err, [&] {
        // The input stays open until the output is decided, so its identity cannot pass to
        // another file meanwhile.
        auto source = platform::SystemFile::open(input, platform::FileAccess::read);
        const auto read = source.identity();
        if (const auto refusal = output.standard_output_over(input, read)) {
            err << *refusal << '\n';
            return exit_usage;
        }
        auto reader = input::FieldReader::open(std::move(source));
        const input::PartDimensions part = input::read_part_dimensions(reader);
        auto opened = output.open(input, read);
        if (const auto* refusal = std::get_if<std::string>(&opened)) {
            err << *refusal << '\n';
            return exit_usage;
        }
        auto& out = std::get<platform::OutputFile>(opened);
        macro::write_macro(out, part, array);
        out.close();
        return exit_success;
    });
}

}  // namespace plessard::cli
