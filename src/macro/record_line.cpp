#include "macro/record_line.h"

#include <algorithm>
#include <array>

#include <stdexcept>

#include "macro/fmt.h"

namespace plessard::macro {
namespace {

constexpr std::size_t longest_code = 8;
constexpr std::size_t most_operands = 4;

}  // namespace

std::string record_line(std::string_view code_text, std::span<const float> operands) {
    if (code_text.size() > longest_code || operands.size() > most_operands) {
        throw std::length_error("record_line: not a record code with its operands");
    }
    // Built in place, with no string for each number: it is the hot loop of every macro file.
    std::array<char, longest_code + most_operands*(fmt_capacity + 2)> buffer{};
    char* out = std::copy(code_text.begin(), code_text.end(), buffer.data());
    const char* separator = "";
    for (const float operand : operands) {
        while (*separator != '\0') {
            *out++ = *separator++;
        }
        out = fmt(operand, out);
        separator = ", ";
    }
    return std::string(buffer.data(), static_cast<std::size_t>(out - buffer.data()));
}

std::string record_line(std::string_view code_text, std::initializer_list<float> operands) {
    return record_line(code_text, std::span<const float>(operands.begin(), operands.size()));
}

}  // namespace plessard::macro
