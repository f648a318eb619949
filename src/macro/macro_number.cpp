#include "macro/macro_number.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <string_view>
#include <system_error>

#include "macro/fmt.h"
#include "text/ascii.h"
#include "text/message_text.h"
#include "text/number_grammar.h"

namespace plessard::macro {
namespace {

// The largest single is 39 digits long before the point; a longer integer part cannot be a
// single, and refusing it early keeps the conversion from chewing through a huge field.
constexpr std::size_t longest_integer_part = 39;

std::string character_text(char c) {
    if (text::is_printable_ascii(c)) {
        return std::string("\"") + c + "\"";
    }
    return "byte " + text::byte_text(static_cast<unsigned char>(c));
}

// What is wrong with the integer digits from text[i] on and the point after them; moves i to
// the point.
std::optional<std::string> integer_fault(std::string_view text, std::size_t& i) {
    const std::size_t start = i;
    while (i < text.size() && text::is_ascii_digit(text[i])) {
        ++i;
    }
    if (i == start) {
        return i < text.size() && text[i] == '.' ? "no digit before the point" : "not a number";
    }
    if (i - start > 1 && text[start] == '0') {
        return "a leading zero is not written";
    }
    if (i == text.size()) {
        return "no decimal point";
    }
    if (text[i] != '.') {
        return character_text(text[i]) + " does not belong in a number";
    }
    return std::nullopt;
}

// What is wrong with the decimals from text[start] to the end.
std::optional<std::string> decimals_fault(std::string_view text, std::size_t start) {
    std::size_t i = start;
    while (i < text.size() && text::is_ascii_digit(text[i])) {
        ++i;
    }
    const std::size_t decimals = i - start;
    if (decimals == 0) {
        return "no decimal after the point";
    }
    if (i < text.size()) {
        return character_text(text[i]) + " does not belong in a number";
    }
    if (decimals > 3) {
        return "more than three decimals";
    }
    if (decimals > 1 && text.back() == '0') {
        return "a trailing zero is written only as the first decimal";
    }
    return std::nullopt;
}

// Every digit of the exact value of a single, in the form fmt gives a number: no exponent, a
// point, and the decimals up to the last that is not zero, at least one. A single has at most
// 149 decimals and 39 integer digits.
std::string exact_text(float value) {
    constexpr int most_decimals = 149;
    std::array<char, 1 + 39 + 1 + most_decimals> buffer{};
    const auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), static_cast<double>(value),
                      std::chars_format::fixed, most_decimals);
    std::string text(buffer.data(), error == std::errc() ? end : buffer.data());
    text.erase(text.find_last_not_of('0') + 1);
    if (text.ends_with('.')) {
        text += '0';
    }
    return text;
}

}  // namespace

std::optional<std::string> macro_number_fault(std::string_view text) {
    if (text.empty()) {
        return "a number is missing";
    }
    if (text[0] == '+') {
        return "no plus sign is written";
    }
    const bool negative = text[0] == '-';
    const std::size_t integer_start = negative ? 1 : 0;
    std::size_t point = integer_start;
    if (auto fault = integer_fault(text, point)) {
        return fault;
    }
    if (auto fault = decimals_fault(text, point + 1)) {
        return fault;
    }
    if (negative && text.find_first_not_of("0.", integer_start) == std::string_view::npos) {
        return "zero is written without a sign";
    }
    if (point - integer_start > longest_integer_part ||
        text::single_value(text).status != text::SingleStatus::ok) {
        return "beyond the single-precision range";
    }
    return std::nullopt;
}

bool writer_keeps(std::string_view text) {
    // Any decimal of six significant digits or fewer reads into a single and back unchanged,
    // and fmt writes it as it stands; only longer texts need the conversion.
    const auto digits =
        static_cast<std::size_t>(std::count_if(text.begin(), text.end(), text::is_ascii_digit));
    return digits <= 6 || fmt(text::single_value(text).value) == text;
}

std::string writer_change_message(std::string_view text) {
    const float held = text::single_value(text).value;
    const std::string number = "the number " + std::string(text);
    const std::string held_text = exact_text(held);
    if (held_text == text) {
        return number + " is one single precision holds, but the writer would have written it as " +
               fmt(held);
    }
    return number + " is not one single precision holds: it holds " + held_text +
           " in its place, and the writer would have written " + fmt(held);
}

}  // namespace plessard::macro
