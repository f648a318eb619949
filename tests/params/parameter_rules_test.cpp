#include "params/parameter_rules.h"

#include <gtest/gtest.h>

#include <utility>

namespace plessard::params {
namespace {

// The window's tool tips and the command-line help show these words.
TEST(Hint, SaysWhatTheFieldHoldsAndItsRange) {
    const std::pair<ParameterField, const char*> cases[] = {
        {ParameterField::DX, "Gap between parts along X, 0 to 100"},
        {ParameterField::DY, "Gap between parts along Y, 0 to 100"},
        {ParameterField::NX, "Number of parts along X, 1 to 10"},
        {ParameterField::NY, "Number of parts along Y, 1 to 10"},
    };
    for (const auto& [field, text] : cases) {
        EXPECT_EQ(hint(field), text);
    }
}

}  // namespace
}  // namespace plessard::params
