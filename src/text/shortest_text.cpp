#include "text/shortest_text.h"

#include <array>
#include <charconv>
#include <cmath>

namespace plessard::text {
namespace {

template <typename Number>
ShortestDigits split_shortest(Number value) {
    // to_chars gives them as [-]d[.ddd]e±x.
    std::array<char, 64> scientific{};
    const char* end = std::to_chars(scientific.data(), scientific.data() + scientific.size(), value,
                                    std::chars_format::scientific)
                          .ptr;
    ShortestDigits result;
    const char* c = scientific.data();
    result.negative = *c == '-';
    if (result.negative) {
        ++c;
    }
    for (; c != end && *c != 'e'; ++c) {
        if (*c != '.') {
            result.digits.push_back(*c);
        }
    }
    if (c != end) {
        ++c;
        if (*c == '+') {
            ++c;
        }
        std::from_chars(c, end, result.exponent);
    }
    return result;
}

}  // namespace

char* shortest_text(double value, char* out) noexcept {
    return std::to_chars(out, out + shortest_capacity, value).ptr;
}

std::string shortest_text(double value) {
    std::array<char, shortest_capacity> buffer{};
    return {buffer.data(), shortest_text(value, buffer.data())};
}

std::string number_text(float value) {
    std::array<char, shortest_capacity> buffer{};
    const bool negative = value < 0.0F;
    const float shown = negative ? value : std::fabs(value);
    char* end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), shown).ptr;
    std::string text = negative ? "" : " ";
    text.append(buffer.data(), end);
    return text;
}

ShortestDigits shortest_digits(float value) {
    return split_shortest(value);
}
ShortestDigits shortest_digits(double value) {
    return split_shortest(value);
}

}  // namespace plessard::text
