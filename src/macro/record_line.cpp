#include "macro/record_line.h"

#include <algorithm>
#include <stdexcept>

namespace plessard::macro {

RecordText::RecordText(std::string_view code_text, std::span<const float> operands) {
    if (code_text.size() > longest_code || operands.size() > most_operands) {
        throw std::length_error("record_line: not a record code with its operands");
    }
    char* out = std::copy(code_text.begin(), code_text.end(), buffer_.data());
    const char* separator = "";
    for (const float operand : operands) {
        while (*separator != '\0') {
            *out++ = *separator++;
        }
        out = fmt(operand, out);
        separator = ", ";
    }
    size_ = static_cast<std::size_t>(out - buffer_.data());
}

std::string record_line(std::string_view code_text, std::span<const float> operands) {
    return std::string(RecordText(code_text, operands).view());
}

std::string record_line(std::string_view code_text, std::initializer_list<float> operands) {
    return record_line(code_text, std::span<const float>(operands.begin(), operands.size()));
}

}  // namespace plessard::macro
