#include "input/input_file.h"

#include <array>
#include <string>

#include "platform/error.h"
#include "platform/file_failure.h"
#include "platform/whole_file.h"
#include "text/message_text.h"
#include "text/number_grammar.h"

namespace plessard::input {
namespace {

using platform::Error;
using platform::ErrorNumber;

constexpr std::size_t longest_field = 64;

[[noreturn]] void refuse(const FieldReader& file, std::size_t index, const std::string& what) {
    throw Error(ErrorNumber::bad_field,
                platform::failure_text(platform::cannot_read(file.name()),
                                       "field " + std::to_string(index + 1) + " (" +
                                           std::string(dimension_names[index]) + ") " + what));
}

float read_one(FieldReader& file, std::size_t index) {
    const Field field = file.next_field(longest_field);
    switch (field.kind) {
        case Field::Kind::end:
            throw Error(ErrorNumber::past_end,
                        platform::failure_text(
                            platform::cannot_read(file.name()),
                            "it ends after " + text::plural(index, "number", "numbers") +
                                ", and six are needed (" + joined_dimension_names(", ") + ")"));
        case Field::Kind::empty:
            refuse(file, index, "is empty");
        case Field::Kind::too_long:
            refuse(file, index, "is longer than " + std::to_string(longest_field) + " characters");
        case Field::Kind::beyond:
            refuse(file, index,
                   "lies beyond the first " + std::to_string(platform::read_limit) +
                       " bytes of the file");
        case Field::Kind::text:
            break;
    }
    const auto value = text::single_value(field.text);
    switch (value.status) {
        case text::SingleStatus::not_a_number:
            refuse(file, index, text::quoted_excerpt(field.text) + " is not a number");
        case text::SingleStatus::out_of_range:
            refuse(file, index,
                   text::quoted_excerpt(field.text) + " is beyond the single-precision range");
        case text::SingleStatus::ok:
            break;
    }
    return value.value;
}

}  // namespace

std::filesystem::path input_file_path(const std::filesystem::path& folder) {
    return folder / input_file_name;
}

PartDimensions read_part_dimensions(FieldReader& file) {
    // A fresh record, handed out only when all six fields were read: a failed read never
    // leaves half-new values behind.
    PartDimensions part;
    std::array<float*, 6> targets{&part.L1, &part.L2, &part.H1, &part.H2, &part.R1, &part.R2};
    for (std::size_t i = 0; i < targets.size(); ++i) {
        *targets[i] = read_one(file, i);
    }
    return part;
}

PartDimensions read_part_dimensions_file(const std::filesystem::path& path) {
    auto file = FieldReader::open(path);
    return read_part_dimensions(file);
}

}  // namespace plessard::input
