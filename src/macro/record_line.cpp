#include "macro/record_line.h"

#include "macro/fmt.h"

namespace plessard::macro {

std::string record_line(std::string_view code_text, std::span<const float> operands) {
    std::string line(code_text);
    const char* separator = "";
    for (const float operand : operands) {
        line.append(separator).append(fmt(operand));
        separator = ", ";
    }
    return line;
}

std::string record_line(std::string_view code_text, std::initializer_list<float> operands) {
    return record_line(code_text, std::span<const float>(operands.begin(), operands.size()));
}

}  // namespace plessard::macro
