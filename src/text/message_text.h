#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace plessard::text {

// Texts that go into error messages and reports, which a box or a terminal shows as they are.

// Bytes as UTF-8 text that shows every one of them: well-formed UTF-8 stays as it is, every
// other byte and every control character becomes \xHH, so a name can neither garble a message
// nor hide which file it is.
[[nodiscard]] std::string printable_utf8(std::string_view bytes);

// At most max_length bytes of the text, quoted, every byte outside printable ASCII shown as '?'
// and "..." after a cut, so a field from a damaged file can neither garble the message nor make
// it long.
[[nodiscard]] std::string quoted_excerpt(std::string_view text, std::size_t max_length = 40);

// The count and the word for it: "1 number", "2 numbers".
[[nodiscard]] std::string plural(std::size_t count, const char* one, const char* many);

// A byte as 0xAB.
[[nodiscard]] std::string byte_text(unsigned char byte);

}  // namespace plessard::text
