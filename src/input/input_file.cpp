#include "input/input_file.h"

#include <array>
#include <string>
#include <string_view>

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

[[noreturn]] void refuse(const FieldReader& file, ReadRefusal refusal, std::size_t index,
                         std::string_view text = {}) {
    throw Error(refusal == ReadRefusal::short_file ? ErrorNumber::past_end : ErrorNumber::bad_field,
                refusal_text(refusal, file.name(), index, text));
}

float read_one(FieldReader& file, std::size_t index) {
    const Field field = file.next_field(longest_field);
    switch (field.kind) {
        case Field::Kind::end:
            refuse(file, ReadRefusal::short_file, index);
        case Field::Kind::empty:
            refuse(file, ReadRefusal::empty, index);
        case Field::Kind::too_long:
            refuse(file, ReadRefusal::too_long, index);
        case Field::Kind::beyond:
            refuse(file, ReadRefusal::beyond_limit, index);
        case Field::Kind::text:
            break;
    }
    const auto value = text::single_value(field.text);
    switch (value.status) {
        case text::SingleStatus::not_a_number:
            refuse(file, ReadRefusal::not_a_number, index, field.text);
        case text::SingleStatus::out_of_range:
            refuse(file, ReadRefusal::beyond_single, index, field.text);
        case text::SingleStatus::ok:
            break;
    }
    return value.value;
}

// What is wrong with the field, after "field 3 (H1) ".
std::string field_fault(ReadRefusal refusal, std::string_view text) {
    switch (refusal) {
        case ReadRefusal::empty:
            return "is empty";
        case ReadRefusal::too_long:
            return "is longer than " + std::to_string(longest_field) + " characters";
        case ReadRefusal::beyond_limit:
            return "lies beyond the first " + std::to_string(platform::read_limit) +
                   " bytes of the file";
        case ReadRefusal::not_a_number:
            return text::quoted_excerpt(text) + " is not a number";
        case ReadRefusal::short_file:
        case ReadRefusal::beyond_single:
            break;
    }
    return text::quoted_excerpt(text) + " is beyond the single-precision range";
}

}  // namespace

std::string refusal_text(ReadRefusal refusal, std::string_view name, std::size_t index,
                         std::string_view text) {
    if (refusal == ReadRefusal::short_file) {
        return platform::failure_text(platform::cannot_read(name),
                                      "it ends after " + text::plural(index, "number", "numbers") +
                                          ", and six are needed (" + joined_dimension_names(", ") +
                                          ")");
    }
    return platform::failure_text(platform::cannot_read(name),
                                  "field " + std::to_string(index + 1) + " (" +
                                      std::string(dimension_names[index]) + ") " +
                                      field_fault(refusal, text));
}

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

bool number_follows(FieldReader& file) {
    const Field field = file.next_field(longest_field);
    return field.kind == Field::Kind::text &&
           text::single_value(field.text).status != text::SingleStatus::not_a_number;
}

}  // namespace plessard::input
