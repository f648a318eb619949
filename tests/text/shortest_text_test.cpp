#include "text/shortest_text.h"

#include <gtest/gtest.h>

namespace plessard::text {
namespace {

struct LabelCase {
    float value;
    const char* text;
};

class NumberText : public ::testing::TestWithParam<LabelCase> {};

TEST_P(NumberText, ShortestTextWithBlankForNonNegative) {
    EXPECT_EQ(number_text(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, NumberText,
                         ::testing::Values(LabelCase{10.0F, " 10"}, LabelCase{0.5F, " 0.5"},
                                           LabelCase{0.0F, " 0"}, LabelCase{-0.0F, " 0"},
                                           LabelCase{-4.0F, "-4"}, LabelCase{0.8F, " 0.8"},
                                           LabelCase{-0.1F, "-0.1"},
                                           LabelCase{123456.78F, " 123456.78"},
                                           LabelCase{1e10F, " 1e+10"}));

}  // namespace
}  // namespace plessard::text
