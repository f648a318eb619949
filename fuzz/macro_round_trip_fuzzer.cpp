// Every macro file the writer makes is one the checker accepts. The fuzz data is what a host
// and an operator could hand the writer: the text of vb_input.txt, then "|" and the four texts
// DX, DY, NX and NY, each after a further "|" (texts left out keep the window's defaults). What
// the reader or the checks refuse, and an array whose numbers leave the single range, is never
// written, so it is skipped.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <variant>

#include "fuzz_property.h"
#include "fuzz_texts.h"
#include "input/input_file.h"
#include "macro/macro_check.h"
#include "macro/writing_run.h"
#include "params/parameter_checks.h"
#include "platform/error.h"
#include "platform/line_sink.h"

namespace {

using plessard::fuzz::property_failed;
using plessard::fuzz::require;
using plessard::platform::ErrorNumber;

constexpr std::array<std::string_view, 4> default_texts{
    plessard::params::default_texts.DX, plessard::params::default_texts.DY,
    plessard::params::default_texts.NX, plessard::params::default_texts.NY};

void report_problems(const plessard::macro::MacroCheck& check) {
    for (const auto& problem : check.problems) {
        const std::string text = plessard::macro::problem_text(check, problem) + "\n";
        std::fwrite(text.data(), 1, text.size(), stderr);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto pieces = plessard::fuzz::split_texts<5>(bytes, '|');
    // A text is given when its separator is there, even if the text itself is empty.
    const auto separators = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '|'));
    std::array<std::string_view, 4> texts = default_texts;
    for (std::size_t i = 0; i < texts.size() && i < separators; ++i) {
        texts[i] = pieces[i + 1];
    }

    plessard::input::PartDimensions part;
    try {
        auto file =
            plessard::input::FieldReader::from_memory(std::string(pieces[0]), "vb_input.txt");
        part = plessard::input::read_part_dimensions(file);
    } catch (const plessard::platform::Error&) {
        return 0;
    }
    const auto check = plessard::params::check_array_parameters(
        plessard::params::ParameterTexts{texts[0], texts[1], texts[2], texts[3]});
    const auto* array = std::get_if<plessard::params::ArrayParameters>(&check);
    if (array == nullptr) {
        return 0;
    }

    plessard::platform::TextBuffer macro;
    try {
        plessard::macro::write_macro(macro, part, *array);
    } catch (const plessard::platform::Error& error) {
        require(error.number() == ErrorNumber::floating_point,
                "writing into memory failed for a reason other than arithmetic");
        return 0;
    } catch (...) {
        property_failed("writing raised something other than platform::Error");
    }

    const auto result = plessard::macro::check_macro_text(macro.text(), "vb_output.txt");
    if (!result.accepted()) {
        report_problems(result);
        property_failed("the checker refused a file the writer made");
    }
    const auto parts = static_cast<std::size_t>(array->NX) * static_cast<std::size_t>(array->NY);
    require(result.parts == parts, "the checker found another number of parts");
    require(result.lines == 7 + 14 * parts + 1, "the checker counted another number of lines");
    return 0;
}
