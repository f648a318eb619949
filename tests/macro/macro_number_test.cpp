#include "macro/macro_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "support/case_name.h"

namespace plessard::macro {
namespace {

struct NumberCase {
    const char* name;
    const char* text;
    std::optional<std::string> fault;
};

class MacroNumberTable : public ::testing::TestWithParam<NumberCase> {};

TEST_P(MacroNumberTable, TakesExactlyWhatFmtWrites) {
    EXPECT_EQ(macro_number_fault(GetParam().text), GetParam().fault);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MacroNumberTable,
    ::testing::Values(
        // Every form fmt writes.
        NumberCase{"zero", "0.0", std::nullopt}, NumberCase{"one", "1.0", std::nullopt},
        NumberCase{"negative", "-1.0", std::nullopt}, NumberCase{"tenths", "0.8", std::nullopt},
        NumberCase{"hundredths", "2.25", std::nullopt},
        NumberCase{"inner_zero", "2.05", std::nullopt},
        NumberCase{"thousandths", "-12.346", std::nullopt},
        NumberCase{"tiny", "0.001", std::nullopt},
        NumberCase{"long_integer", "1234567.0", std::nullopt},
        NumberCase{"largest_single", "340282350000000000000000000000000000000.0", std::nullopt},
        // And what it never writes.
        NumberCase{"empty", "", "a number is missing"},
        NumberCase{"plus", "+1.0", "no plus sign is written"},
        NumberCase{"minus_zero", "-0.0", "zero is written without a sign"},
        NumberCase{"minus_zero_decimals", "-0.00",
                   "a trailing zero is written only as the first decimal"},
        NumberCase{"three_zeros", "1.000", "a trailing zero is written only as the first decimal"},
        NumberCase{"trailing_zero", "2.50", "a trailing zero is written only as the first decimal"},
        NumberCase{"four_decimals", "1.2345", "more than three decimals"},
        NumberCase{"integer", "1", "no decimal point"},
        NumberCase{"point_only", "1.", "no decimal after the point"},
        NumberCase{"no_integer_digit", ".5", "no digit before the point"},
        NumberCase{"leading_zero", "01.0", "a leading zero is not written"},
        NumberCase{"exponent", "1.0e3", "\"e\" does not belong in a number"},
        NumberCase{"integer_exponent", "1e3", "\"e\" does not belong in a number"},
        NumberCase{"decimal_comma", "2,5", "\",\" does not belong in a number"},
        NumberCase{"trailing_blank", "1.0 ", "\" \" does not belong in a number"},
        NumberCase{"control_byte", "1.0\t", "byte 0x09 does not belong in a number"},
        NumberCase{"word", "abc", "not a number"}, NumberCase{"minus_only", "-", "not a number"},
        NumberCase{"beyond_single", "340282370000000000000000000000000000000.0",
                   "beyond the single-precision range"},
        NumberCase{"forty_digits", "1000000000000000000000000000000000000000.0",
                   "beyond the single-precision range"}),
    testing::CaseName{});

struct KeptCase {
    const char* name;
    const char* text;
    const char* warning;  // nothing when the writer keeps the text
};

class WriterKeepsTable : public ::testing::TestWithParam<KeptCase> {};

TEST_P(WriterKeepsTable, WarnsOfNumbersSinglePrecisionChanges) {
    const KeptCase& row = GetParam();
    EXPECT_EQ(writer_keeps(row.text) ? "" : writer_change_message(row.text),
              row.warning == nullptr ? "" : std::string("the number ") + row.text + row.warning);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WriterKeepsTable,
    ::testing::Values(
        KeptCase{"seven_digits", "-1234567.0", nullptr},
        KeptCase{"shortest_of_a_single", "30000000000.0", nullptr},
        KeptCase{"two_to_the_24", "16777216.0", nullptr},
        KeptCase{"past_24_bits", "16777217.0",
                 " is not one single precision holds: it holds 16777216.0 in its place, and "
                 "the writer would have written 16777216.0"},
        KeptCase{"past_24_bits_negative", "-16777217.0",
                 " is not one single precision holds: it holds -16777216.0 in its place, and "
                 "the writer would have written -16777216.0"},
        KeptCase{"nine_digits", "123456789.0",
                 " is not one single precision holds: it holds 123456792.0 in its place, and "
                 "the writer would have written 123456790.0"},
        KeptCase{"thousandths", "-100000.123",
                 " is not one single precision holds: it holds -100000.125 in its place, and "
                 "the writer would have written -100000.125"},
        // Every digit of the single, past the three decimals the writer keeps.
        KeptCase{"finer_than_the_single", "16384.001",
                 " is not one single precision holds: it holds 16384.001953125 in its place, "
                 "and the writer would have written 16384.002"},
        KeptCase{"twenty_nines", "99999999999999999999.0",
                 " is not one single precision holds: it holds 100000002004087734272.0 in its "
                 "place, and the writer would have written 100000000000000000000.0"},
        KeptCase{"exact_single", "30000001024.0",
                 " is one single precision holds, but the writer would have written it as "
                 "30000000000.0"},
        KeptCase{
            "two_to_the_30", "1073741824.0",
            " is one single precision holds, but the writer would have written it as 1073741800.0"},
        KeptCase{"largest_single_in_full", "340282346638528859811704183484516925440.0",
                 " is one single precision holds, but the writer would have written it as "
                 "340282350000000000000000000000000000000.0"}),
    testing::CaseName{});

}  // namespace
}  // namespace plessard::macro
