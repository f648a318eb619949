// The checks of the four array parameters on arbitrary texts (cut from the fuzz data at line
// feeds): they pass with every value in range, or they name exactly one field with one of that
// field's three messages, and that field is the first whose text fails on its own.
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "fuzz_property.h"
#include "fuzz_texts.h"
#include "params/parameter_checks.h"
#include "text/number_grammar.h"

namespace {

using plessard::fuzz::property_failed;
using plessard::fuzz::require;
using plessard::params::ArrayParameters;
using plessard::params::ParameterCheck;
using plessard::params::ParameterField;
using plessard::params::ParameterRejection;
using plessard::params::ParameterTexts;

constexpr std::size_t field_count = 4;
// Texts that pass, put in place of every field but the one looked at: the window's defaults.
constexpr std::array<std::string_view, field_count> passing_texts{
    plessard::params::default_texts.DX, plessard::params::default_texts.DY,
    plessard::params::default_texts.NX, plessard::params::default_texts.NY};

ParameterTexts texts_of(const std::array<std::string_view, field_count>& texts) {
    return ParameterTexts{texts[0], texts[1], texts[2], texts[3]};
}

ParameterCheck checked(const std::array<std::string_view, field_count>& texts) {
    try {
        return plessard::params::check_array_parameters(texts_of(texts));
    } catch (...) {
        property_failed("the checks raised, but they never raise");
    }
}

const plessard::params::ParameterRule& rule(std::size_t field) noexcept {
    return plessard::params::rule_of(static_cast<ParameterField>(field));
}

// The message a field's text earns on its own, told apart by its kind alone.
void check_message(std::size_t field, std::string_view text, const ParameterRejection& rejection) {
    const auto id = static_cast<ParameterField>(field);
    const std::string_view trimmed = plessard::text::trim_text(text);
    if (trimmed.empty()) {
        require(rejection.message == plessard::params::empty_message(id),
                "a blank text did not get its field's empty message");
    } else if (!plessard::text::is_numeric_text(trimmed)) {
        require(rejection.message == plessard::params::not_numeric_message(id),
                "a text that is not a number did not get its field's not-numeric message");
    } else {
        require(rejection.message == plessard::params::range_message(id),
                "a number that failed did not get its field's range message");
    }
}

// A passing gap is the single nearest to the value of its text.
void check_gap(std::size_t field, std::string_view text, float gap) {
    require(
        gap >= static_cast<float>(rule(field).low) && gap <= static_cast<float>(rule(field).high),
        "a gap outside its range passed");
    const double value = plessard::text::text_value(plessard::text::trim_text(text));
    const double error = std::fabs(static_cast<double>(gap) - value);
    for (const float neighbour : {std::nextafter(gap, -std::numeric_limits<float>::infinity()),
                                  std::nextafter(gap, std::numeric_limits<float>::infinity())}) {
        require(error <= std::fabs(static_cast<double>(neighbour) - value),
                "a gap is not the single nearest to the value of its text");
    }
}

// A passing count is the integer nearest to the value of its text.
void check_count(std::size_t field, std::string_view text, std::int32_t count) {
    require(count >= rule(field).low && count <= rule(field).high,
            "a count outside its range passed");
    const double value = plessard::text::text_value(plessard::text::trim_text(text));
    require(std::fabs(value - static_cast<double>(count)) <= 0.5,
            "a count is not the integer nearest to the value of its text");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto texts = plessard::fuzz::split_texts<field_count>(bytes, '\n');

    // Each text on its own, among texts that pass.
    std::array<std::optional<ParameterRejection>, field_count> alone{};
    std::array<ArrayParameters, field_count> alone_values{};
    for (std::size_t field = 0; field < field_count; ++field) {
        auto one = passing_texts;
        one[field] = texts[field];
        const ParameterCheck check = checked(one);
        if (const auto* rejection = std::get_if<ParameterRejection>(&check)) {
            require(static_cast<std::size_t>(rejection->field) == field,
                    "a rejection named a field whose text passes");
            check_message(field, texts[field], *rejection);
            alone[field] = *rejection;
        } else {
            alone_values[field] = std::get<ArrayParameters>(check);
        }
    }

    const ParameterCheck check = checked(texts);
    std::optional<std::size_t> first_failing;
    for (std::size_t field = 0; field < field_count && !first_failing; ++field) {
        if (alone[field]) {
            first_failing = field;
        }
    }
    if (first_failing) {
        const auto* rejection = std::get_if<ParameterRejection>(&check);
        require(rejection != nullptr, "texts of which one fails on its own all passed together");
        require(rejection->field == alone[*first_failing]->field,
                "the rejection does not name the first field whose text fails on its own");
        require(rejection->message == alone[*first_failing]->message,
                "a field's message depends on the other fields");
        return 0;
    }
    const auto* parameters = std::get_if<ArrayParameters>(&check);
    require(parameters != nullptr, "texts that each pass on their own were rejected together");
    check_gap(0, texts[0], parameters->DX);
    check_gap(1, texts[1], parameters->DY);
    check_count(2, texts[2], parameters->NX);
    check_count(3, texts[3], parameters->NY);
    require(parameters->DX == alone_values[0].DX && parameters->DY == alone_values[1].DY &&
                parameters->NX == alone_values[2].NX && parameters->NY == alone_values[3].NY,
            "a field's value depends on the other fields");
    return 0;
}
