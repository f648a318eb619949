#include "platform/output_file.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <string>

#include "platform/error.h"
#include "support/temp_folder.h"

#ifndef _WIN32
#include <sys/resource.h>

#include <csignal>
#endif

namespace plessard::platform {
namespace {

using testing::TempFolder;

#ifndef _WIN32
// While it lives, files of this process stop growing at a limit, as on a disk that fills up:
// a write beyond it fails (EFBIG) instead of ending the process with SIGXFSZ.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(std::size_t bytes) : handler_(std::signal(SIGXFSZ, SIG_IGN)) {
        if (::getrlimit(RLIMIT_FSIZE, &saved_) == 0) {
            rlimit limit = saved_;
            limit.rlim_cur = static_cast<rlim_t>(bytes);
            set_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
        }
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    ~FileSizeLimit() {
        if (set_) {
            ::setrlimit(RLIMIT_FSIZE, &saved_);
        }
        std::signal(SIGXFSZ, handler_);
    }
    [[nodiscard]] bool set() const noexcept { return set_; }

  private:
    rlimit saved_{};
    void (*handler_)(int);
    bool set_ = false;
};
#endif

TEST(OutputFile, WritesEveryLineWithCrLfAndEmptiesTheOldFile) {
    const TempFolder folder;
    folder.write("out.txt", "old content that is longer than the new one\r\n");
    auto file = OutputFile::create(folder.path() / "out.txt");
    file.print_line("101, -1.0");
    file.print_line("");
    file.print_line("-1");
    file.close();
    file.close();  // a second close has nothing left to do
    EXPECT_EQ(folder.read("out.txt"), "101, -1.0\r\n\r\n-1\r\n");
}

TEST(OutputFile, LinesWrittenBeforeAnEarlyExitStay) {
    const TempFolder folder;
    {
        auto file = OutputFile::create(folder.path() / "out.txt");
        file.print_line("101, -1.0");
    }
    EXPECT_EQ(folder.read("out.txt"), "101, -1.0\r\n");
}

TEST(OutputFile, AFullDiskRaisesAtTheLatestOnClose) {
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full on this system";
    }
    auto file = OutputFile::create("/dev/full");
    try {
        for (int i = 0; i < 3; ++i) {
            file.print_line("1,9.0, 0.0");
        }
        file.close();
        FAIL() << "a write to a full disk passed";
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot write to /dev/full: No space left on device");
    }
}

TEST(OutputFile, AWriteFailingAfterTheFirstChunkRaisesAndKeepsWhatWentOut) {
#ifdef _WIN32
    GTEST_SKIP() << "file size limits are a POSIX means";
#else
    const TempFolder folder;
    const auto path = folder.path() / "out.txt";
    const std::string line(99, '7');  // 101 bytes with its CR LF
    constexpr std::size_t line_bytes = 101;
    // The first chunk goes out whole; the second stops at the limit, half-way through.
    const std::size_t lines_per_chunk = (OutputFile::output_chunk + line_bytes - 1) / line_bytes;
    const std::size_t limit = OutputFile::output_chunk * 3 / 2;
    std::size_t lines_taken = 0;
    {
        const FileSizeLimit file_size_limit(limit);
        if (!file_size_limit.set()) {
            GTEST_SKIP() << "cannot limit the file size";
        }
        auto file = OutputFile::create(path);
        try {
            for (; lines_taken < 10 * lines_per_chunk; ++lines_taken) {
                file.print_line(line);
            }
            file.close();
            FAIL() << "a write beyond the limit passed";
        } catch (const Error& error) {
            EXPECT_EQ(error.number(), ErrorNumber::write_failed);
            EXPECT_EQ(std::string(error.what()),
                      "Cannot write to " + path.string() + ": File too large");
        }
    }
    // The line that filled the second chunk raised; nothing after it was written, and nothing
    // of what went out before was taken back.
    EXPECT_EQ(lines_taken, 2 * lines_per_chunk - 1);
    const std::string bytes = TempFolder::read_file(path);
    ASSERT_EQ(bytes.size(), limit);
    std::string first_chunk;
    for (std::size_t i = 0; i < lines_per_chunk; ++i) {
        first_chunk += line + "\r\n";
    }
    EXPECT_EQ(bytes.substr(0, first_chunk.size()), first_chunk);
#endif
}

TEST(TextBuffer, HoldsTheBytesAFileWould) {
    TextBuffer buffer;
    buffer.print_line("111");
    buffer.print_line("99");
    EXPECT_EQ(buffer.text(), "111\r\n99\r\n");
}

}  // namespace
}  // namespace plessard::platform
