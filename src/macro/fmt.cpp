#include "macro/fmt.h"

#include "platform/number_text.h"

namespace plessard::macro {

std::string fmt(float value) {
    return platform::format_number(value);
}

char* fmt(float value, char* out) {
    static_assert(fmt_capacity >= platform::number_text_capacity);
    return platform::write_number(value, out);
}

}  // namespace plessard::macro
