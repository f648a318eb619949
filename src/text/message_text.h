#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace plessard::text {

// Texts that go into error messages and reports, which a box or a terminal shows as they are.

// Bytes as UTF-8 text that shows every one of them, the one escaping of every message: what
// shows as itself stays (well-formed UTF-8), a byte that is no part of well-formed UTF-8 and an
// ASCII control character become \xHH, and a character that shows as nothing or as a blank, or
// turns the text around it (a C1 control, a no-break space, a zero-width or bidirectional mark)
// becomes \uHHHH (\UHHHHHHHH beyond the first 65536). So a name or a field can neither garble
// a message nor hide what is in it.
[[nodiscard]] std::string printable_utf8(std::string_view bytes);

// At most max_length bytes of the text, never a character cut in two, escaped as printable_utf8
// does, quoted, and "..." after a cut, so a field from a damaged file can neither garble the
// message nor make it long.
[[nodiscard]] std::string quoted_excerpt(std::string_view text, std::size_t max_length = 40);

// The count and the word for it: "1 number", "2 numbers".
[[nodiscard]] std::string plural(std::size_t count, const char* one, const char* many);

// A byte as 0xAB.
[[nodiscard]] std::string byte_text(unsigned char byte);

}  // namespace plessard::text
