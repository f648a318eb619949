#include "macro/detail/geometry_messages.h"

#include <gtest/gtest.h>

namespace plessard::macro::detail {
namespace {

// A message keeps a file's three decimals and stays short at any size.
TEST(MessageNumber, KeepsAFilesDecimalsAndStaysShort) {
    EXPECT_EQ(message_number(-12.34564), "-12.3456");
    EXPECT_EQ(message_number(123456789012.5), "123456789012.5");
    EXPECT_EQ(message_number(2e15), "2e+15");
}

}  // namespace
}  // namespace plessard::macro::detail
