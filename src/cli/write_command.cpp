#include "cli/write_command.h"

#include <array>
#include <string>
#include <utility>
#include <variant>

#include "cli/command_line.h"
#include "cli/exit_status.h"
#include "cli/output_target.h"
#include "input/input_file.h"
#include "macro/writing_run.h"
#include "params/parameter_checks.h"
#include "text/number_grammar.h"
#include "text/shortest_text.h"

namespace plessard::cli {
namespace {

// "L1 = 10, L2 = 4, H1 = 8, H2 = 5, R1 = 3, R2 = 1": the values as the window shows them.
std::string named_values(const input::PartDimensions& part) {
    const std::array<float, 6> values{part.L1, part.L2, part.H1, part.H2, part.R1, part.R2};
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i) {
        text.append(i == 0 ? "" : ", ").append(input::dimension_names[i]).append(" = ");
        text.append(text::trim_text(text::number_text(values[i])));
    }
    return text;
}

// The part from the input file. More numbers than six there are read as the window reads them,
// but a host script is told: a decimal comma shifts every dimension after it, and nothing else
// would show it.
input::PartDimensions read_part(input::FieldReader& file, std::ostream& err) {
    const input::PartDimensions part = input::read_part_dimensions(file);
    if (input::number_follows(file)) {
        err << "Warning: " << file.name() << " holds more than six numbers; read "
            << named_values(part)
            << " (a comma separates numbers: a decimal comma, as in 8,5, makes two numbers of one "
               "and shifts every dimension after it)\n";
    }
    return part;
}

}  // namespace

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
        const input::PartDimensions part = read_part(reader, err);
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
