// Runs every committed input of one fuzz target through that target's own properties, built
// with the ordinary compiler: the seeds and every input a fuzzer ever broke something with are
// checked on each test run, the sanitizer build included, with no clang and no libFuzzer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace plessard::fuzz {

// The folder of the target's committed inputs (corpus_folder.cpp, built for each target).
extern const char* const corpus_folder;

namespace {

std::vector<std::filesystem::path> corpus_files() {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(corpus_folder)) {
        if (entry.is_regular_file()) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Test names allow letters, digits and underscores only.
std::string case_name(const ::testing::TestParamInfo<std::filesystem::path>& row) {
    std::string name = row.param.filename().string();
    std::replace_if(
        name.begin(), name.end(),
        [](char c) {
            return !((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'));
        },
        '_');
    return name;
}

class CorpusReplay : public ::testing::TestWithParam<std::filesystem::path> {};

// A broken property aborts the process, so the case that ran it fails under ctest.
TEST_P(CorpusReplay, KeepsEveryProperty) {
    std::ifstream file(GetParam(), std::ios::binary);
    ASSERT_TRUE(file) << GetParam();
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    EXPECT_EQ(
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()),
        0);
}

INSTANTIATE_TEST_SUITE_P(Corpus, CorpusReplay, ::testing::ValuesIn(corpus_files()), case_name);

TEST(CorpusReplayCorpus, IsNotEmpty) {
    EXPECT_FALSE(corpus_files().empty());
}

}  // namespace
}  // namespace plessard::fuzz
