#include "platform/error.h"

namespace plessard::platform {

Error::Error(ErrorNumber number, const std::string& description)
    : std::runtime_error(description), number_(number) {}

}  // namespace plessard::platform
