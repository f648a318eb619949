#include "platform/output_file.h"

#include <utility>

#include "platform/error.h"
#include "platform/file_failure.h"

namespace plessard::platform {

OutputFile::OutputFile(SystemFile file) : file_(std::move(file)) {
    pending_.reserve(output_chunk + 256);
}

OutputFile OutputFile::create(const std::filesystem::path& path) {
    return OutputFile(SystemFile::open(path, FileAccess::write));
}

std::optional<OutputFile> OutputFile::create_unless(const std::filesystem::path& path,
                                                    const std::optional<FileIdentity>& kept) {
    auto file = SystemFile::open_for_writing(path, kept);
    if (!file) {
        return std::nullopt;
    }
    return OutputFile(*std::move(file));
}

OutputFile OutputFile::standard_output() {
    return OutputFile(SystemFile::standard_output());
}

OutputFile::~OutputFile() {
    // Lines written before a failure stay in the file: hand over what is pending, quietly,
    // since an error is already on its way or the owner chose not to close.
    if (file_.is_open() && !pending_.empty()) {
        try {
            file_.write(pending_);
        } catch (const Error&) {
            // Nobody is left to tell.
        }
    }
}

void OutputFile::print_line(std::string_view text) {
    if (!file_.is_open()) {
        throw Error(ErrorNumber::write_failed,
                    failure_text(cannot_write(file_.name()), "the file is closed"));
    }
    // A whole ten-by-ten macro file goes to the system in one write.
    pending_.append(text).append("\r\n");
    if (pending_.size() >= output_chunk) {
        write_pending();
    }
}

void OutputFile::write_pending() {
    // What failed to go out is not offered again: the lines after it would land behind a gap.
    try {
        file_.write(pending_);
    } catch (const Error&) {
        pending_.clear();
        throw;
    }
    pending_.clear();
}

void OutputFile::close() {
    if (!file_.is_open()) {
        return;
    }
    if (!pending_.empty()) {
        try {
            write_pending();
        } catch (const Error&) {
            try {
                file_.close();  // closed on this path too
            } catch (const Error&) {
                // The write's error is the one to tell.
            }
            throw;
        }
    }
    file_.close();
}

}  // namespace plessard::platform
