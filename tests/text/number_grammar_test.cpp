#include "text/number_grammar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace plessard::text {
namespace {

TEST(TrimText, RemovesSpacesAtBothEndsOnly) {
    EXPECT_EQ(trim_text("  2.5 "), "2.5");
    EXPECT_EQ(trim_text("   "), "");
    EXPECT_EQ(trim_text(""), "");
    EXPECT_EQ(trim_text("1 2"), "1 2");
    EXPECT_EQ(trim_text(" \t5 "), "\t5");  // a tab is part of the text
    EXPECT_EQ(trim_text("\t"), "\t");
    EXPECT_EQ(trim_text("\n1\r"), "\n1\r");  // so are line ends
}

struct GrammarCase {
    const char* text;
    bool numeric;
};

class NumberGrammar : public ::testing::TestWithParam<GrammarCase> {};

TEST_P(NumberGrammar, AcceptsOnlyPlainDecimalNumbers) {
    EXPECT_EQ(is_numeric_text(GetParam().text), GetParam().numeric) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumberGrammar,
    ::testing::Values(GrammarCase{"0", true}, GrammarCase{"12", true}, GrammarCase{"-3", true},
                      GrammarCase{"+3", true}, GrammarCase{"2.5", true}, GrammarCase{".5", true},
                      GrammarCase{"5.", true}, GrammarCase{"-.5", true}, GrammarCase{"1e10", true},
                      GrammarCase{"1E-3", true}, GrammarCase{"1.5e+3", true},
                      GrammarCase{"1e99999999999999999999", true}, GrammarCase{"", false},
                      GrammarCase{".", false}, GrammarCase{"-", false}, GrammarCase{"+", false},
                      GrammarCase{"e5", false}, GrammarCase{"1e", false}, GrammarCase{"1e+", false},
                      GrammarCase{"1.2.3", false}, GrammarCase{"2,5", false},
                      GrammarCase{"1,000", false}, GrammarCase{"0x10", false},
                      GrammarCase{"&H10", false}, GrammarCase{"inf", false},
                      GrammarCase{"nan", false}, GrammarCase{"12abc", false},
                      GrammarCase{"1 2", false}, GrammarCase{" 1", false},
                      GrammarCase{"--1", false}, GrammarCase{"1d3", false},
                      GrammarCase{"١", false}));

TEST(TextValue, ReadsWhateverTheLocaleAndSaturatesAtTheDoubleRange) {
    EXPECT_EQ(text_value("2.5"), 2.5);
    EXPECT_EQ(text_value("+.5"), 0.5);
    EXPECT_EQ(text_value("-1e3"), -1000.0);
    EXPECT_EQ(text_value("1e400"), HUGE_VAL);
    EXPECT_EQ(text_value("-1e400"), -HUGE_VAL);
    EXPECT_EQ(text_value("1e-400"), 0.0);
    EXPECT_TRUE(std::signbit(text_value("-1e-400")));
    EXPECT_EQ(text_value("0.000000000000000000000000000000000001e400"), HUGE_VAL);
    EXPECT_EQ(text_value("100000000000000000000000000000000000000e-400"), 0.0);
}

struct SingleCase {
    const char* text;
    SingleStatus status;
    float value;
};

class SingleValueTable : public ::testing::TestWithParam<SingleCase> {};

TEST_P(SingleValueTable, RoundsOnceStraightToSingle) {
    const auto result = single_value(GetParam().text);
    EXPECT_EQ(result.status, GetParam().status) << GetParam().text;
    if (result.status == SingleStatus::ok) {
        EXPECT_EQ(result.value, GetParam().value) << GetParam().text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SingleValueTable,
    ::testing::Values(
        SingleCase{"0.8", SingleStatus::ok, 0.8F}, SingleCase{"-4", SingleStatus::ok, -4.0F},
        // Just above a tie: through a double it would round twice and land on 1.
        SingleCase{"1.00000005960464477539062500001", SingleStatus::ok, 1.00000011920928955F},
        SingleCase{"3.4028235e38", SingleStatus::ok, 3.4028235e38F},
        SingleCase{"3.4028236e38", SingleStatus::out_of_range, 0.0F},
        SingleCase{"1e39", SingleStatus::out_of_range, 0.0F},
        SingleCase{"-1e39", SingleStatus::out_of_range, 0.0F},
        SingleCase{"1e-50", SingleStatus::ok, 0.0F}, SingleCase{"1e-45", SingleStatus::ok, 1e-45F},
        SingleCase{"abc", SingleStatus::not_a_number, 0.0F},
        SingleCase{"", SingleStatus::not_a_number, 0.0F}));

}  // namespace
}  // namespace plessard::text
