#include "platform/file_identity.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace plessard::platform {
namespace {

// An identity as a row gives it: volume, the index's first byte, final path, stamp (0: none).
FileIdentity told(std::uint64_t volume, unsigned char index, std::wstring path = {},
                  int stamp = 0) {
    return {volume, {index}, std::move(path), {stamp, stamp, stamp}};
}

TEST(IsSameFile, DecidesOnWhatIsToldAndNeverOnWhatIsNot) {
    const std::wstring in = L"\\Device\\Mup\\host\\share\\vb_input.txt";
    const std::wstring out = L"\\Device\\Mup\\host\\share\\vb_output.txt";
    const std::tuple<const char*, FileIdentity, FileIdentity, bool> rows[] = {
        // clang-format off
        {"same volume and index", told(7, 1), told(7, 1), true},
        {"another index", told(7, 1), told(7, 2), false},
        {"another volume", told(7, 1), told(8, 1), false},
        {"index 0, no paths", told(7, 0), told(7, 0), false},
        {"serial 0, no paths", told(0, 1), told(0, 1), false},
        {"index 0, paths equal", told(7, 0, in), told(7, 0, in), true},
        {"index 0, paths differ", told(7, 0, in), told(7, 0, out), false},
        {"serial 0, paths differ in case", told(0, 1, in), told(0, 1, L"\\DEVICE\\MUP\\host\\share\\VB_Input.TXT"), true},
        {"serial 0, one path untold", told(0, 1, in), told(0, 1), false},
        {"serial 0 on one (wine), stamps equal", told(0, 1, {}, 5), told(7, 1, in, 5), true},
        {"serial 0 on one (wine), stamps differ", told(0, 1, {}, 5), told(7, 1, in, 6), false},
        {"serial 0 on one (wine), no stamps", told(0, 1), told(7, 1, in), false},
        {"index 0, stamps equal", told(0, 0, {}, 5), told(0, 0, {}, 5), false},
        // clang-format on
    };
    for (const auto& [name, first, second, same] : rows) {
        EXPECT_EQ(is_same_file(first, second), same) << name;
        EXPECT_EQ(is_same_file(second, first), same) << name << ", turned";
    }
}

}  // namespace
}  // namespace plessard::platform
