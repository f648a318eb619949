#include "platform/long_path.h"

#include <gtest/gtest.h>

#include <string>

namespace plessard::platform {
namespace {

// 300 characters of folders, past what Windows opens without the "\\?\" form.
const std::wstring deep = std::wstring(99, L'a') + L"\\" + std::wstring(99, L'b') + L"\\" +
                          std::wstring(99, L'c') + L"\\f.txt";

TEST(SystemPath, LongPathsTakeTheFormWithoutLimit) {
    const struct {
        std::wstring given;
        std::wstring expected;
    } cases[] = {
        {L"C:\\short\\vb_input.txt", L"C:\\short\\vb_input.txt"},
        {L"C:\\" + deep, L"\\\\?\\C:\\" + deep},
        {L"C:/x/../" + std::wstring(99, L'a') + L"/" + std::wstring(99, L'b') + L"/" +
             std::wstring(99, L'c') + L"/f.txt",
         L"\\\\?\\C:\\" + deep},
        {L"\\\\server\\share\\" + deep, L"\\\\?\\UNC\\server\\share\\" + deep},
        {L"\\\\?\\C:\\" + deep, L"\\\\?\\C:\\" + deep},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(system_path(c.given).native(), c.expected) << system_path(c.given).string();
    }
}

}  // namespace
}  // namespace plessard::platform
