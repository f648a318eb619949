#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

#include "support/temp_folder.h"

namespace plessard::testing {

// How many times a race is run: 20 in a quick run; ./test.sh --all asks for more through
// PLESSARD_RACES.
inline int race_count() {
    int count = 20;
    if (const char* asked = std::getenv("PLESSARD_RACES")) {
        std::from_chars(asked, asked + std::strlen(asked), count);
    }
    return count;
}

// Runs `run` race_count() times while a thread swaps `output` by renames between an empty file
// and a symbolic link to `input`. `run` gives "" when it wrote, else its refusal, which must be
// `refusal`; the input must never change.
inline void expect_input_kept_while_output_flips(const std::filesystem::path& input,
                                                 const std::filesystem::path& output,
                                                 const std::function<std::string()>& run,
                                                 const std::string& refusal) {
    const std::filesystem::path link = output.string() + ".link";
    std::error_code unsupported;
    std::filesystem::create_symlink(input, link, unsupported);
    if (unsupported) {
        // A hard link made meanwhile holds the files from other openers on Windows.
        GTEST_SKIP() << "wine makes no symbolic links";
    }
    const std::string kept = TempFolder::read_file(input);
    std::atomic<bool> done{false};
    std::thread flipper([&] {
        const std::string empty = output.string() + ".empty";
        std::error_code failed;  // never expected, and no reason to end the process for
        while (!done.load()) {
            std::filesystem::rename(link, output, failed);
            if (std::FILE* made = std::fopen(empty.c_str(), "w")) {
                std::fclose(made);
            }
            std::filesystem::rename(empty, output, failed);
            std::filesystem::create_symlink(input, link, failed);
        }
    });
    int lost = 0;
    for (int run_number = 0; run_number < race_count(); ++run_number) {
        const std::string said = run();
        lost += TempFolder::read_file(input) == kept ? 0 : 1;
        EXPECT_TRUE(said.empty() || said == refusal) << said;
    }
    done = true;
    flipper.join();
    EXPECT_EQ(lost, 0) << "runs of " << race_count() << " found the input changed";
}

}  // namespace plessard::testing
