// The number text of macro files for every single, from its bits: the fast way and the way
// from the shortest digits give the same text, the text stands within the rounding of the value,
// and the checker of macro files accepts it as a number of the form fmt writes.
#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "fuzz_property.h"
#include "macro/detail/fmt_ways.h"
#include "macro/fmt.h"
#include "macro/macro_number.h"
#include "platform/error.h"
#include "text/number_grammar.h"

namespace {

using plessard::fuzz::property_failed;
using plessard::fuzz::require;

void check_not_finite(float value) {
    try {
        (void)plessard::macro::fmt(value);
    } catch (const plessard::platform::Error& error) {
        require(error.number() == plessard::platform::ErrorNumber::floating_point,
                "a value that is not finite raised an error other than the floating-point one");
        return;
    }
    property_failed("a value that is not finite was written as a number");
}

void check_finite(float value) {
    const std::string text = plessard::macro::fmt(value);
    std::array<char, plessard::macro::fmt_capacity> buffer{};
    const char* end = plessard::macro::fmt(value, buffer.data());
    require(std::string_view(buffer.data(), static_cast<std::size_t>(end - buffer.data())) == text,
            "fmt into a buffer and fmt into a string gave other texts");
    require(text.size() < plessard::macro::fmt_capacity, "the text does not fit fmt's buffer");
    require(plessard::macro::detail::fmt_from_shortest(value) == text,
            "fmt does not round the shortest digits of the single");
    if (const auto exact = plessard::macro::detail::fmt_exactly(value)) {
        require(*exact == text, "the fast way and the shortest digits gave other texts");
    }
    if (const auto fault = plessard::macro::macro_number_fault(text)) {
        property_failed("the checker refuses a number fmt wrote: " + text + ": " + *fault);
    }
    // Three decimals of rounding, plus the distance to the shortest digits the rounding
    // started from: less than the spacing of singles above the value (the wider one at a power
    // of two; the largest single has one too, as a number).
    const double written = plessard::text::text_value(text);
    const double spacing = value == 0.0F ? 0.0 : std::ldexp(1.0, std::ilogb(value) - 23);
    require(std::fabs(written - static_cast<double>(value)) <= 0.0005 + spacing,
            "the text lies further from the value than its rounding allows");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::array<unsigned char, 4> bytes{};
    std::memcpy(bytes.data(), data, size < bytes.size() ? size : bytes.size());
    const auto value = std::bit_cast<float>(bytes);
    if (std::isfinite(value)) {
        check_finite(value);
    } else {
        check_not_finite(value);
    }
    return 0;
}
