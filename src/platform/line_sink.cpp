#include "platform/line_sink.h"

namespace plessard::platform {

void TextBuffer::print_line(std::string_view text) {
    text_.append(text);
    text_.append("\r\n");
}

}  // namespace plessard::platform
