#include "params/parameter_checks.h"

#include <cmath>
#include <optional>

#include "text/number_grammar.h"
#include "text/rounding.h"

namespace plessard::params {
namespace {

using text::trim_text;

// The rejection of a blank text or of one that is no number; nothing for a number.
std::optional<ParameterRejection> text_problem(ParameterField field, std::string_view trimmed) {
    if (trimmed.empty()) {
        return ParameterRejection{field, empty_message(field)};
    }
    if (!text::is_numeric_text(trimmed)) {
        return ParameterRejection{field, not_numeric_message(field)};
    }
    return std::nullopt;
}

// A gap: the value rounded to the nearest single, within its range. A magnitude beyond the
// single range becomes an infinity and fails the range test like any other value.
std::optional<ParameterRejection> check_gap(ParameterField field, std::string_view text,
                                            float& gap) {
    const auto trimmed = trim_text(text);
    if (auto problem = text_problem(field, trimmed)) {
        return problem;
    }
    const ParameterRule& rule = rule_of(field);
    gap = text::round_to_single(text::text_value(trimmed));
    if (!(gap >= static_cast<float>(rule.low) && gap <= static_cast<float>(rule.high))) {
        return ParameterRejection{field, range_message(field)};
    }
    return std::nullopt;
}

// A count: the value rounded to the nearest integer, halves to even, within its range. A value
// beyond the 32-bit range is simply out of range, not an error that ends the program.
std::optional<ParameterRejection> check_count(ParameterField field, std::string_view text,
                                              std::int32_t& count) {
    const auto trimmed = trim_text(text);
    if (auto problem = text_problem(field, trimmed)) {
        return problem;
    }
    const ParameterRule& rule = rule_of(field);
    const auto rounded = text::round_to_long(text::text_value(trimmed));
    if (!rounded || *rounded < rule.low || *rounded > rule.high) {
        return ParameterRejection{field, range_message(field)};
    }
    count = *rounded;
    return std::nullopt;
}

}  // namespace

ParameterCheck check_array_parameters(const ParameterTexts& texts) {
    // Each field is looked at only once every earlier one has passed.
    ArrayParameters result;
    std::optional<ParameterRejection> rejection;
    if ((rejection = check_gap(ParameterField::DX, texts.DX, result.DX)) ||
        (rejection = check_gap(ParameterField::DY, texts.DY, result.DY)) ||
        (rejection = check_count(ParameterField::NX, texts.NX, result.NX)) ||
        (rejection = check_count(ParameterField::NY, texts.NY, result.NY))) {
        return *std::move(rejection);
    }
    return result;
}

}  // namespace plessard::params
