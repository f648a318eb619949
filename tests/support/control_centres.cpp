// Prints where the end-to-end tests click: the centre of every control of the window's layout
// table, "NAME X Y" a line, in pixels of the client area at 96 dots per inch.
#include <array>
#include <charconv>
#include <cstdio>
#include <string>

#include "form/form_layout.h"

namespace {

void append_number(std::string& line, int value) {
    std::array<char, 12> digits{};
    char* end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    line.push_back(' ');
    line.append(digits.data(), end);
}

}  // namespace

int main() {
    using plessard::form::twips_to_pixels;
    for (const plessard::form::Control& control : plessard::form::controls) {
        std::string line(control.name);
        append_number(line, twips_to_pixels(control.left + control.width / 2));
        append_number(line, twips_to_pixels(control.top + control.height / 2));
        line.push_back('\n');
        std::fwrite(line.data(), 1, line.size(), stdout);
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
