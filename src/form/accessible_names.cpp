#include "form/accessible_names.h"

namespace plessard::form {

std::string value_label_name(std::size_t index, std::string_view value) {
    // Values are shown with a blank before those that are not negative, which a name needs not.
    const std::size_t first = value.find_first_not_of(' ');
    std::string name(accessible_name(index));
    if (first != std::string_view::npos) {
        name += ' ';
        name += value.substr(first);
    }
    return name;
}

}  // namespace plessard::form
