#include "params/parameter_rules.h"

#include <array>
#include <charconv>

namespace plessard::params {
namespace {

std::string bound_text(int bound) {
    std::array<char, 12> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), bound).ptr;
    return {digits.data(), end};
}

}  // namespace

std::string hint(ParameterField field) {
    const ParameterRule& rule = rule_of(field);
    return std::string(rule.holds) + ", " + bound_text(rule.low) + " to " + bound_text(rule.high);
}

std::string empty_message(ParameterField field) {
    return "Please enter a value for " + std::string(rule_of(field).name);
}

std::string not_numeric_message(ParameterField field) {
    return "Invalid value for for " + std::string(rule_of(field).name);
}

std::string range_message(ParameterField field) {
    const ParameterRule& rule = rule_of(field);
    return std::string(rule.name) + " must between " + bound_text(rule.low) + " and " +
           bound_text(rule.high);
}

}  // namespace plessard::params
