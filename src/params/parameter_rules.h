#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace plessard::params {

// The fields in the order they are checked; the index is also the text box (0 is Text1).
enum class ParameterField { DX = 0, DY = 1, NX = 2, NY = 3 };

enum class ParameterKind {
    gap,    // a single-precision length
    count,  // a whole number of parts
};

// What a field holds and the range it must lie in, both bounds included. The checks, their
// messages, the window's tool tips and the command-line help all come from this one row.
// The twelve messages made from these rows (three a field, below) are kept word for word as
// operators and host scripts know them, typos included ("Invalid value for for DX", "NX must
// between 1 and 10"): they are matched as they stand, so nobody corrects them.
struct ParameterRule {
    ParameterField field;
    std::string_view name;  // as messages name the field
    ParameterKind kind;
    int low;
    int high;
    std::string_view holds;  // what the field holds, for a hint
};

inline constexpr std::array<ParameterRule, 4> parameter_rules{{
    {ParameterField::DX, "DX", ParameterKind::gap, 0, 100, "Gap between parts along X"},
    {ParameterField::DY, "DY", ParameterKind::gap, 0, 100, "Gap between parts along Y"},
    {ParameterField::NX, "NX", ParameterKind::count, 1, 10, "Number of parts along X"},
    {ParameterField::NY, "NY", ParameterKind::count, 1, 10, "Number of parts along Y"},
}};

// The row of a field.
[[nodiscard]] constexpr const ParameterRule& rule_of(ParameterField field) noexcept {
    return parameter_rules[static_cast<std::size_t>(field)];
}

// What the field holds and its range: "Gap between parts along X, 0 to 100".
[[nodiscard]] std::string hint(ParameterField field);

// The three messages of a field, kept as they are known (see the table): for a blank text, for a
// text that is no number, and for a number out of its range ("NX must between 1 and 10").
[[nodiscard]] std::string empty_message(ParameterField field);
[[nodiscard]] std::string not_numeric_message(ParameterField field);
[[nodiscard]] std::string range_message(ParameterField field);

}  // namespace plessard::params
