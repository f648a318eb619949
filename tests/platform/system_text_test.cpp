#include "platform/system_text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace plessard::platform {
namespace {

#ifndef _WIN32
// A POSIX file name is its bytes, shown as text wherever they are UTF-8 and escaped elsewhere.
TEST(PathText, ShowsEveryByteOfAPosixName) {
    EXPECT_EQ(path_text(std::filesystem::path("/home/caf\xE9/vb_input.txt")),
              "/home/caf\\xE9/vb_input.txt");
    EXPECT_EQ(path_text(std::filesystem::path("Gr\xC3\xB6\xC3\x9F"
                                              "e\nx")),
              "Gr\xC3\xB6\xC3\x9F"
              "e\\x0Ax");
}
#endif

#ifdef _WIN32
TEST(PathText, ShowsALoneSurrogateOfAWindowsName) {
    EXPECT_EQ(path_text(std::filesystem::path(std::wstring{L'a', wchar_t(0xD800), L'b'})),
              "a\\uD800b");
    EXPECT_EQ(path_text(std::filesystem::path(std::wstring{wchar_t(0xD83D), wchar_t(0xDCD0)})),
              "\xF0\x9F\x93\x90");
    EXPECT_EQ(path_text(std::filesystem::path(L"C:\\Werk\\vb_input.txt")),
              "C:\\Werk\\vb_input.txt");
}
#endif

}  // namespace
}  // namespace plessard::platform
