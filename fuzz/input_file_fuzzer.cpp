// The reader of vb_input.txt on arbitrary bytes: it hands out six finite singles or raises the
// program's one error type with a message an operator can read, and nothing else.
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_property.h"
#include "input/input_file.h"
#include "platform/error.h"
#include "platform/text_file.h"

namespace {

using plessard::fuzz::is_printable_ascii;
using plessard::fuzz::property_failed;
using plessard::fuzz::require;
using plessard::platform::ErrorNumber;

constexpr std::string_view file_name = "vb_input.txt";

void check_error(const plessard::platform::Error& error) {
    // Bytes in memory cannot fail to read: only a short file or a bad field is left.
    require(error.number() == ErrorNumber::past_end || error.number() == ErrorNumber::bad_field,
            "the reader raised an error other than past_end or bad_field");
    const std::string description = plessard::platform::error_description(error);
    require(description.starts_with("Cannot read vb_input.txt: "),
            "the error does not name the file it could not read");
    require(is_printable_ascii(description),
            "the error description carries bytes that are not printable ASCII");
    require(description.size() < 300, "the error description grows with the input");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    auto file =
        plessard::platform::InputFile::from_memory(std::move(bytes), std::string(file_name));
    try {
        const plessard::input::PartDimensions part = plessard::input::read_part_dimensions(file);
        for (const float value : std::array{part.L1, part.L2, part.H1, part.H2, part.R1, part.R2}) {
            require(std::isfinite(value), "the reader handed out a value that is not finite");
        }
    } catch (const plessard::platform::Error& error) {
        check_error(error);
    } catch (...) {
        property_failed("the reader raised something other than platform::Error");
    }
    return 0;
}
