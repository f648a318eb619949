// Prints the folder program_folder() gives this very program, for program_folder_test.cmake,
// which starts copies of it in several ways.
#include <cstdio>
#include <string>

#include "platform/error.h"
#include "platform/program_folder.h"
#include "platform/system_text.h"

int main() {
    try {
        const std::string folder =
            plessard::platform::path_text(plessard::platform::program_folder());
        std::fwrite(folder.data(), 1, folder.size(), stdout);
        return 0;
    } catch (const plessard::platform::Error& error) {
        const std::string text = std::string(error.what()) + "\n";
        std::fwrite(text.data(), 1, text.size(), stderr);
        return 1;
    }
}
