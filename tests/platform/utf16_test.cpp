#include "platform/utf16.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace plessard::platform {
namespace {

struct Both {
    std::string_view utf8;
    std::wstring_view utf16;
};

TEST(Utf16, CarriesEveryCharacterBothWays) {
    const Both cases[] = {
        {"", L""},
        {"NX must between 1 and 10", L"NX must between 1 and 10"},
        {"Z:\\Werk\\Gr\xC3\xB6\xC3\x9F"
         "e\xE9\x83\xA8\xE5\x93\x81\\vb_input.txt",
         L"Z:\\Werk\\Gr\u00F6\u00DFe\u90E8\u54C1\\vb_input.txt"},
        {"-3.4028235e+38\xE2\x80\xA6", L"-3.4028235e+38\u2026"},
        {"\xF0\x9F\x93\x90", L"\U0001F4D0"},  // a surrogate pair
        {std::string_view("a\0b", 3), std::wstring_view(L"a\0b", 3)},
    };
    for (const Both& c : cases) {
        EXPECT_EQ(utf16_from_utf8(c.utf8), c.utf16) << c.utf8;
        EXPECT_EQ(utf8_from_utf16(c.utf16), c.utf8) << c.utf8;
    }
}

TEST(Utf16, PutsTheReplacementCharacterForWhatCannotCross) {
    EXPECT_EQ(utf8_from_utf16(L"\xD800x"), "\xEF\xBF\xBDx");  // a lone surrogate
    EXPECT_EQ(utf16_from_utf8("\xFFx"), L"\uFFFDx");          // not UTF-8
    EXPECT_EQ(utf16_from_utf8("\xC3"), L"\uFFFD");            // cut in the middle
}

}  // namespace
}  // namespace plessard::platform
