#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "macro/fmt.h"
#include "macro/record_table.h"

namespace plessard::macro {

// One record line: the record's code text directly followed by its operands, each written with
// fmt and separated by ", ". Built in place with no allocation, since it is the hot loop of
// every macro file.
class RecordLine {
  public:
    // Raises std::invalid_argument when the count of operands is not the record's.
    explicit RecordLine(Record record, std::span<const float> operands = {});

    [[nodiscard]] std::string_view view() const noexcept { return {buffer_.data(), size_}; }

  private:
    static constexpr std::size_t longest_code =
        std::ranges::max(record_table, {}, [](const RecordForm& f) {
            return f.code_text.size();
        }).code_text.size();
    static constexpr std::size_t most_operands =
        std::ranges::max(record_table, {}, &RecordForm::operands).operands;

    std::array<char, longest_code + most_operands*(fmt_capacity + 2)> buffer_;
    std::size_t size_ = 0;
};

}  // namespace plessard::macro
