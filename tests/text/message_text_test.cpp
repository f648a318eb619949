#include "text/message_text.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "support/case_name.h"

namespace plessard::text {
namespace {

struct EscapeCase {
    const char* name;
    std::string_view bytes;
    std::string_view text;
};

class Escapes : public ::testing::TestWithParam<EscapeCase> {};

// Whatever the bytes of a name, the text shows every one of them: a box or a terminal never
// turns them into "?" or a replacement character, nor into a line break.
TEST_P(Escapes, ShowEveryByteOfAName) {
    EXPECT_EQ(printable_utf8(GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Names, Escapes,
    ::testing::Values(EscapeCase{"ascii", "/tmp/vb_output.txt", "/tmp/vb_output.txt"},
                      EscapeCase{"utf8_letters",
                                 "Gr\xC3\xB6\xC3\x9F"
                                 "e\xE9\x83\xA8\xE5\x93\x81 \xE2\x82\xAC",
                                 "Gr\xC3\xB6\xC3\x9F"
                                 "e\xE9\x83\xA8\xE5\x93\x81 \xE2\x82\xAC"},
                      EscapeCase{"four_bytes", "\xF0\x9F\x93\x90", "\xF0\x9F\x93\x90"},
                      // A folder named in Latin-1: "café".
                      EscapeCase{"latin1", "/home/caf\xE9/vb_input.txt",
                                 "/home/caf\\xE9/vb_input.txt"},
                      EscapeCase{"cut_sequence", "a\xE2\x82", "a\\xE2\\x82"},
                      EscapeCase{"overlong_slash", "\xC0\xAF", "\\xC0\\xAF"},
                      EscapeCase{"encoded_surrogate", "\xED\xA0\x80", "\\xED\\xA0\\x80"},
                      EscapeCase{"beyond_unicode", "\xF4\x90\x80\x80", "\\xF4\\x90\\x80\\x80"},
                      EscapeCase{"line_break", "two\nlines", "two\\x0Alines"},
                      EscapeCase{"delete", "\x7F", "\\x7F"},
                      // A no-break space, a right-to-left override, a C1 line break; a tag.
                      EscapeCase{"unseen", "\xC2\xA0\xE2\x80\xAE\xC2\x85", "\\u00A0\\u202E\\u0085"},
                      EscapeCase{"unseen_tag", "\xF3\xA0\x80\x81", "\\U000E0001"}),
    testing::CaseName{});

// A field in a message is escaped as a name is, and cut between characters.
TEST(QuotedExcerpt, EscapesAsNamesAreAndCutsBetweenCharacters) {
    EXPECT_EQ(quoted_excerpt("8\xC2\xA0.5\x01"), "\"8\\u00A0.5\\x01\"");
    EXPECT_EQ(quoted_excerpt("1234\xE2\x82\xAC", 6), "\"1234...\"");
    EXPECT_EQ(quoted_excerpt("1234\xE2\x82\xAC", 7), "\"1234\xE2\x82\xAC\"");
}

}  // namespace
}  // namespace plessard::text
