#include "params/parameter_checks.h"

#include <gtest/gtest.h>

#include <string>

#include "support/case_name.h"

namespace plessard::params {
namespace {

struct RejectCase {
    const char* name;
    ParameterTexts texts;
    ParameterField field;
    const char* message;
};

class Rejections : public ::testing::TestWithParam<RejectCase> {};

TEST_P(Rejections, NameTheFirstFailingFieldOnly) {
    const auto result = check_array_parameters(GetParam().texts);
    ASSERT_TRUE(std::holds_alternative<ParameterRejection>(result));
    EXPECT_EQ(std::get<ParameterRejection>(result),
              (ParameterRejection{GetParam().field, GetParam().message}));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Rejections,
    ::testing::Values(
        // The twelve messages, in checking order, word for word.
        RejectCase{
            "dx_empty", {"", "0.8", "4", "3"}, ParameterField::DX, "Please enter a value for DX"},
        RejectCase{"dx_not_numeric",
                   {"a", "0.8", "4", "3"},
                   ParameterField::DX,
                   "Invalid value for for DX"},
        RejectCase{"dx_range",
                   {"-0.0001", "0.8", "4", "3"},
                   ParameterField::DX,
                   "DX must between 0 and 100"},
        RejectCase{
            "dy_empty", {"1", "  ", "4", "3"}, ParameterField::DY, "Please enter a value for DY"},
        RejectCase{"dy_not_numeric",
                   {"1", "0,8", "4", "3"},
                   ParameterField::DY,
                   "Invalid value for for DY"},
        RejectCase{
            "dy_range", {"1", "101", "4", "3"}, ParameterField::DY, "DY must between 0 and 100"},
        RejectCase{"nx_empty",
                   {"1", "0.8", "   ", "3"},
                   ParameterField::NX,
                   "Please enter a value for NX"},
        RejectCase{"nx_not_numeric",
                   {"1", "0.8", "abc", "3"},
                   ParameterField::NX,
                   "Invalid value for for NX"},
        RejectCase{
            "nx_range", {"1", "0.8", "11", "3"}, ParameterField::NX, "NX must between 1 and 10"},
        RejectCase{
            "ny_empty", {"1", "0.8", "4", ""}, ParameterField::NY, "Please enter a value for NY"},
        RejectCase{"ny_not_numeric",
                   {"1", "0.8", "4", "3x"},
                   ParameterField::NY,
                   "Invalid value for for NY"},
        RejectCase{
            "ny_range", {"1", "0.8", "4", "0"}, ParameterField::NY, "NY must between 1 and 10"},
        // Order: the first failure wins and later texts are never looked at.
        RejectCase{"dx_empty_dy_bad",
                   {"", "junk", "", "abc"},
                   ParameterField::DX,
                   "Please enter a value for DX"},
        RejectCase{"dx_range_before_dy",
                   {"200", "", "4", "3"},
                   ParameterField::DX,
                   "DX must between 0 and 100"},
        // Single rounding of the gaps: 100.00001 becomes the single just above 100.
        RejectCase{"dx_just_above_100",
                   {"100.00001", "0.8", "4", "3"},
                   ParameterField::DX,
                   "DX must between 0 and 100"},
        RejectCase{"dy_beyond_single",
                   {"1", "1e39", "4", "3"},
                   ParameterField::DY,
                   "DY must between 0 and 100"},
        RejectCase{"dy_beyond_double",
                   {"1", "1e400", "4", "3"},
                   ParameterField::DY,
                   "DY must between 0 and 100"},
        RejectCase{"dx_minus_beyond_single",
                   {"-1e39", "1", "4", "3"},
                   ParameterField::DX,
                   "DX must between 0 and 100"},
        // Counts round halves to even before the range test.
        RejectCase{
            "nx_10_6", {"1", "0.8", "10.6", "3"}, ParameterField::NX, "NX must between 1 and 10"},
        RejectCase{
            "nx_0_5", {"1", "0.8", "0.5", "3"}, ParameterField::NX, "NX must between 1 and 10"},
        RejectCase{
            "nx_negative", {"1", "0.8", "-1", "3"}, ParameterField::NX, "NX must between 1 and 10"},
        // Beyond 32 bits: the range message, never an error that ends the program.
        RejectCase{
            "ny_1e10", {"1", "0.8", "4", "1e10"}, ParameterField::NY, "NY must between 1 and 10"},
        RejectCase{"nx_minus_1e10",
                   {"1", "0.8", "-1e10", "3"},
                   ParameterField::NX,
                   "NX must between 1 and 10"},
        RejectCase{
            "ny_1e400", {"1", "0.8", "4", "1e400"}, ParameterField::NY, "NY must between 1 and 10"},
        RejectCase{"ny_2147483648",
                   {"1", "0.8", "4", "2147483648"},
                   ParameterField::NY,
                   "NY must between 1 and 10"},
        // Blanks inside a number, and text the grammar refuses.
        RejectCase{"dx_inner_blank",
                   {"1 0", "0.8", "4", "3"},
                   ParameterField::DX,
                   "Invalid value for for DX"},
        RejectCase{
            "dx_inf", {"inf", "0.8", "4", "3"}, ParameterField::DX, "Invalid value for for DX"},
        RejectCase{"dx_line_end",
                   {"1\n", "0.8", "4", "3"},
                   ParameterField::DX,
                   "Invalid value for for DX"},
        // Only spaces are trimmed: a tab is part of the text, and no number.
        RejectCase{"dx_leading_tab",
                   {"\t5", "0.8", "4", "3"},
                   ParameterField::DX,
                   "Invalid value for for DX"},
        RejectCase{"nx_lone_tab",
                   {"1", "0.8", "\t", "3"},
                   ParameterField::NX,
                   "Invalid value for for NX"}),
    testing::CaseName());

struct AcceptCase {
    const char* name;
    ParameterTexts texts;
    ArrayParameters parameters;
};

class Acceptances : public ::testing::TestWithParam<AcceptCase> {};

TEST_P(Acceptances, GiveTheRoundedValues) {
    const auto result = check_array_parameters(GetParam().texts);
    ASSERT_TRUE(std::holds_alternative<ArrayParameters>(result));
    EXPECT_EQ(std::get<ArrayParameters>(result), GetParam().parameters);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Acceptances,
    ::testing::Values(
        AcceptCase{"defaults", {"1", "0.8", "4", "3"}, {1.0F, 0.8F, 4, 3}},
        AcceptCase{"blanks_around", {"  2.5 ", " 0 ", "  10", "1  "}, {2.5F, 0.0F, 10, 1}},
        AcceptCase{"bounds", {"0", "100", "1", "10"}, {0.0F, 100.0F, 1, 10}},
        AcceptCase{"dx_100_000001", {"100.000001", "0", "1", "1"}, {100.0F, 0.0F, 1, 1}},
        AcceptCase{"minus_zero", {"-0", "-0.0", "1", "1"}, {-0.0F, -0.0F, 1, 1}},
        AcceptCase{"counts_round", {"1", "1", "0.6", "10.4"}, {1.0F, 1.0F, 1, 10}},
        AcceptCase{"halves_to_even", {"1", "1", "1.5", "10.5"}, {1.0F, 1.0F, 2, 10}},
        AcceptCase{"exponents", {"1e1", "+.5E2", "4e0", "30e-1"}, {10.0F, 50.0F, 4, 3}},
        AcceptCase{"tiny_gap", {"1e-50", "0.0001", "2", "2"}, {0.0F, 0.0001F, 2, 2}}),
    testing::CaseName());

}  // namespace
}  // namespace plessard::params
