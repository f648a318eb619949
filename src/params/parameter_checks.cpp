#include "params/parameter_checks.h"

#include <array>
#include <cmath>
#include <optional>

#include "platform/number_text.h"

namespace plessard::params {
namespace {

using platform::trim_text;

std::optional<ParameterRejection> text_problem(ParameterField field, std::string_view trimmed) {
    const std::string name = field_name(field);
    if (trimmed.empty()) {
        return ParameterRejection{field, "Please enter a value for " + name};
    }
    if (!platform::is_numeric_text(trimmed)) {
        return ParameterRejection{field, "Invalid value for for " + name};
    }
    return std::nullopt;
}

// A gap: the value rounded to the nearest single, 0 to 100. A magnitude beyond the single
// range becomes an infinity and fails the range test like any other value.
std::optional<ParameterRejection> check_gap(ParameterField field, std::string_view text,
                                            float& gap) {
    const auto trimmed = trim_text(text);
    if (auto problem = text_problem(field, trimmed)) {
        return problem;
    }
    gap = platform::round_to_single(platform::text_value(trimmed));
    if (!(gap >= 0.0F && gap <= 100.0F)) {
        return ParameterRejection{field,
                                  std::string(field_name(field)) + " must between 0 and 100"};
    }
    return std::nullopt;
}

// A count: the value rounded to the nearest integer, halves to even, 1 to 10. A value beyond
// the 32-bit range is simply out of range, not an error that ends the program.
std::optional<ParameterRejection> check_count(ParameterField field, std::string_view text,
                                              std::int32_t& count) {
    const auto trimmed = trim_text(text);
    if (auto problem = text_problem(field, trimmed)) {
        return problem;
    }
    const auto rounded = platform::round_to_long(platform::text_value(trimmed));
    if (!rounded || *rounded < 1 || *rounded > 10) {
        return ParameterRejection{field, std::string(field_name(field)) + " must between 1 and 10"};
    }
    count = *rounded;
    return std::nullopt;
}

}  // namespace

const char* field_name(ParameterField field) noexcept {
    static constexpr std::array<const char*, 4> names{"DX", "DY", "NX", "NY"};
    return names[static_cast<std::size_t>(field)];
}

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
