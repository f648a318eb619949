#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "params/array_parameters.h"
#include "params/parameter_rules.h"

namespace plessard::params {

struct ParameterTexts {
    std::string_view DX;
    std::string_view DY;
    std::string_view NX;
    std::string_view NY;
};

// What the four boxes hold when the window opens, and what the command-line tool assumes.
inline constexpr ParameterTexts default_texts{"1", "0.8", "4", "3"};

// The first field that failed, with the message the operator is shown.
struct ParameterRejection {
    ParameterField field = ParameterField::DX;
    std::string message;

    friend bool operator==(const ParameterRejection&, const ParameterRejection&) = default;
};

using ParameterCheck = std::variant<ArrayParameters, ParameterRejection>;

// Checks DX, DY, NX, NY in that order and stops at the first failure. Never raises: a count
// beyond the 32-bit range is out of range like any other.
[[nodiscard]] ParameterCheck check_array_parameters(const ParameterTexts& texts);

}  // namespace plessard::params
