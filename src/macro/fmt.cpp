#include "macro/fmt.h"

#include "macro/format_number.h"

namespace plessard::macro {

std::string fmt(float value) {
    return format_number(value);
}

char* fmt(float value, char* out) {
    static_assert(fmt_capacity >= format_number_capacity);
    return write_number(value, out);
}

}  // namespace plessard::macro
