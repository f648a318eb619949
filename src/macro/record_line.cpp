#include "macro/record_line.h"

#include <stdexcept>
#include <string>

namespace plessard::macro {

RecordLine::RecordLine(Record record, std::span<const float> operands) {
    const RecordForm& form = form_of(record);
    if (operands.size() != form.operands) {
        throw std::invalid_argument(record_name(record) + " takes " +
                                    std::to_string(form.operands) + " numbers, not " +
                                    std::to_string(operands.size()));
    }
    char* out = std::copy(form.code_text.begin(), form.code_text.end(), buffer_.data());
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

}  // namespace plessard::macro
