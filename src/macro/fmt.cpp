#include "macro/fmt.h"

#include "platform/number_text.h"

namespace plessard::macro {

std::string fmt(float value) {
    return platform::format_number(value);
}

}  // namespace plessard::macro
