#include "win32/message_box.h"

#include <gtest/gtest.h>

namespace plessard::win32 {
namespace {

struct BoxCase {
    form::MessageStyle style;
    bool has_owner;
    UINT flags;
};

TEST(MessageBoxFlags, GiveOneOkButtonAndTheStylesIcon) {
    const BoxCase cases[] = {
        {form::MessageStyle::ok_only, true, MB_OK | MB_SETFOREGROUND},
        {form::MessageStyle::exclamation, true, MB_OK | MB_ICONEXCLAMATION | MB_SETFOREGROUND},
        {form::MessageStyle::critical, true, MB_OK | MB_ICONSTOP | MB_SETFOREGROUND},
        {form::MessageStyle::critical, false,
         MB_OK | MB_ICONSTOP | MB_SETFOREGROUND | MB_TASKMODAL},
    };
    for (const BoxCase& c : cases) {
        EXPECT_EQ(message_box_flags(c.style, c.has_owner), c.flags)
            << static_cast<int>(c.style) << (c.has_owner ? " owned" : " without owner");
    }
}

}  // namespace
}  // namespace plessard::win32
