// plessard-macro: the macro files of the window, without the window. A host script or an
// operator without a desktop writes, checks and looks at macro files with it.

#include <CLI/CLI.hpp>
#include <cerrno>
#include <exception>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/check_command.h"
#include "cli/command_line.h"
#include "cli/console_text.h"
#include "cli/drawing_command.h"
#include "cli/exit_status.h"
#include "cli/write_command.h"
#include "input/part_dimensions.h"
#include "params/parameter_rules.h"
#include "platform/file_failure.h"
#include "platform/system_text.h"

#ifndef PLESSARD_VERSION
#error "PLESSARD_VERSION must name the project version"
#endif

namespace {

using namespace plessard::cli;
namespace platform = plessard::platform;

constexpr const char* version_text = "plessard-macro " PLESSARD_VERSION;

// Every file option and argument: an empty name is a mistake on the command line, never a file
// (nor, as it once was for a drawing, standard output).
const CLI::Validator file_name(
    [](const std::string& name) { return name.empty() ? "an empty file name" : std::string(); },
    "");

CLI::App* add_command(CLI::App& app, const std::string& name, const std::string& description) {
    CLI::App* command = app.add_subcommand(name, description);
    command->set_version_flag("--version", version_text);
    return command;
}

CLI::App* add_write_command(CLI::App& app, WriteOptions& options) {
    CLI::App* write = add_command(
        app, "write",
        "Write a macro file from the part dimensions and the array parameters, exactly as the "
        "window does");
    write
        ->add_option("--input", options.input,
                     "The part dimensions (" + plessard::input::joined_dimension_names(" ") + ")")
        ->type_name("FILE")
        ->check(file_name)
        ->capture_default_str();
    write
        ->add_option("--output", options.output, "The macro file to write (\"-\": standard output)")
        ->type_name("FILE")
        ->check(file_name)
        ->capture_default_str();
    using plessard::params::hint;
    using plessard::params::ParameterField;
    write->add_option("--dx", options.dx, hint(ParameterField::DX))->capture_default_str();
    write->add_option("--dy", options.dy, hint(ParameterField::DY))->capture_default_str();
    write->add_option("--nx", options.nx, hint(ParameterField::NX))->capture_default_str();
    write->add_option("--ny", options.ny, hint(ParameterField::NY))->capture_default_str();
    return write;
}

CLI::App* add_check_command(CLI::App& app, std::string& file) {
    CLI::App* check = add_command(
        app, "check", "Check a macro file: its records, their order, closed contours, arc radii");
    check->add_option("FILE", file, "The macro file to check")
        ->type_name("FILE")
        ->check(file_name)
        ->required();
    return check;
}

struct DrawingOptions {
    std::string file;
    std::string output = "-";
};

CLI::App* add_drawing_command(CLI::App& app, const std::string& name,
                              const std::string& description, DrawingOptions& options) {
    CLI::App* command = add_command(app, name, description);
    command->add_option("FILE", options.file, "The macro file to draw")
        ->type_name("FILE")
        ->check(file_name)
        ->required();
    command
        ->add_option("-o,--output", options.output,
                     "Where the drawing goes (\"-\": standard output)")
        ->type_name("OUT")
        ->check(file_name)
        ->capture_default_str();
    return command;
}

// Takes the arguments into the app; the exit status when the run ends there: help and a
// version end well, every other complaint about the command line is a usage error.
std::optional<int> parse(CLI::App& app, const std::vector<std::string>& arguments) {
    std::vector<const char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(argument.c_str());
    }
    try {
        app.parse(static_cast<int>(argv.size()), argv.data());
    } catch (const CLI::ParseError& error) {
        return app.exit(error) == 0 ? exit_success : exit_usage;
    }
    return std::nullopt;
}

// The arguments are UTF-8 text, whatever the system handed over.
int run(const std::vector<std::string>& arguments) {
    CLI::App app("Writes, checks and draws the macro files of an array of L-shaped parts.",
                 "plessard-macro");
    // A path such as /tmp/vb_output.txt is an argument on Windows too, never an option.
    // Subcommands take this over when they are added, so it comes first.
    app.allow_windows_style_options(false);
    app.set_version_flag("--version", version_text);
    app.require_subcommand(1);
    app.footer(
        "Exit status: 0 done; 1 a file or arithmetic error, or a macro file with problems; 2 a "
        "usage error or a rejected parameter.");

    WriteOptions write_options;
    CLI::App* write = add_write_command(app, write_options);
    std::string check_file;
    CLI::App* check = add_check_command(app, check_file);
    DrawingOptions svg_options;
    CLI::App* svg = add_drawing_command(
        app, "svg", "Draw the rectangle and the parts of a macro file as SVG", svg_options);
    DrawingOptions dxf_options;
    CLI::App* dxf = add_drawing_command(
        app, "dxf", "Draw the rectangle and the parts of a macro file as a DXF (R12) for CAD",
        dxf_options);

    if (const auto ended = parse(app, arguments)) {
        return *ended;
    }
    if (write->parsed()) {
        return run_write(write_options, std::cerr);
    }
    if (check->parsed()) {
        return run_check(path_from_utf8(check_file), std::cout, std::cerr);
    }
    if (svg->parsed()) {
        return run_drawing(DrawingFormat::svg, path_from_utf8(svg_options.file), svg_options.output,
                           std::cerr);
    }
    if (dxf->parsed()) {
        return run_drawing(DrawingFormat::dxf, path_from_utf8(dxf_options.file), dxf_options.output,
                           std::cerr);
    }
    return exit_usage;
}

// A run that did its work but could not say so (help, a version, a summary to a full disk) has
// failed: the caller cannot tell its output from a complete one.
int told(int status) {
    if (status != exit_success) {
        return status;
    }
    if (std::cout.good()) {
        errno = 0;
        std::cout.flush();
    }
    if (std::cout.good()) {
        return status;
    }
    // The cause of the write that failed, now or when the text was handed over.
    const int cause = errno;
    std::cerr << platform::failure_text(platform::cannot_write("standard output"),
                                        platform::system_cause(cause))
              << '\n';
    return exit_failure;
}

int guarded_run(const std::vector<std::string>& arguments) {
    try {
        return told(run(arguments));
    } catch (const std::exception& error) {
        std::cerr << "plessard-macro: " << error.what() << '\n';
        return exit_failure;
    }
}

}  // namespace

#ifdef _WIN32
// main would get the arguments in the ANSI code page, which cannot hold every file name.
int wmain(int argc, wchar_t** argv) {
    // Messages, summaries and help reach a console as its own characters, whatever its code
    // page; files and pipes get UTF-8.
    const ConsoleText console_text;
    return guarded_run(utf8_arguments(argc, argv));
}
#else
int main(int argc, char** argv) {
    return guarded_run(utf8_arguments(argc, argv));
}
#endif
