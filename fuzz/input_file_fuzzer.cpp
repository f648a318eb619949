// The reader of vb_input.txt on arbitrary bytes: it hands out six finite singles or raises the
// program's one error type with a message an operator can read, and nothing else. The window
// reads from disk, a chunk at a time, and the tests read from memory: the same bytes give the
// same outcome both ways.
#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <system_error>

#include "fuzz_property.h"
#include "input/field_reader.h"
#include "input/input_file.h"
#include "platform/error.h"
#include "text/message_text.h"

namespace {

using plessard::fuzz::property_failed;
using plessard::fuzz::require;
using plessard::input::PartDimensions;
using plessard::platform::ErrorNumber;
using plessard::text::printable_utf8;

constexpr std::string_view memory_name = "vb_input.txt";

// A read as the caller sees it: the record, or the error's number and its cause (what the
// description says after the file's name).
struct Outcome {
    std::optional<PartDimensions> part;
    ErrorNumber number = ErrorNumber::read_failed;
    std::string cause;
};

std::array<std::uint32_t, 6> bits_of(const PartDimensions& part) {
    return {std::bit_cast<std::uint32_t>(part.L1), std::bit_cast<std::uint32_t>(part.L2),
            std::bit_cast<std::uint32_t>(part.H1), std::bit_cast<std::uint32_t>(part.H2),
            std::bit_cast<std::uint32_t>(part.R1), std::bit_cast<std::uint32_t>(part.R2)};
}

void check_part(const PartDimensions& part) {
    for (const float value : {part.L1, part.L2, part.H1, part.H2, part.R1, part.R2}) {
        require(std::isfinite(value), "the reader handed out a value that is not finite");
    }
}

std::string cause_of(const plessard::platform::Error& error, const std::string& name) {
    const std::string description = error.what();
    const std::string prefix = "Cannot read " + name + ": ";
    require(description.starts_with(prefix), "the error does not name the file it could not read");
    // Every byte of a field is shown as itself or escaped, as a name is: nothing to escape is left.
    require(printable_utf8(description) == description,
            "the error description carries bytes that would not show as themselves");
    require(description.size() < prefix.size() + 200, "the error description grows with the input");
    // Bytes that are there to read cannot fail to read: only a short file or a bad field.
    require(error.number() == ErrorNumber::past_end || error.number() == ErrorNumber::bad_field,
            "the reader raised an error other than past_end or bad_field");
    return description.substr(prefix.size());
}

template <typename Read>
Outcome outcome_of(Read read, const std::string& name) {
    Outcome outcome;
    try {
        outcome.part = read();
        check_part(*outcome.part);
    } catch (const plessard::platform::Error& error) {
        outcome.number = error.number();
        outcome.cause = cause_of(error, name);
    } catch (...) {
        property_failed("the reader raised something other than platform::Error");
    }
    return outcome;
}

// One file for the whole run, with a name of its own so that runs side by side do not meet.
class ScratchFile {
  public:
    ScratchFile()
        : path_(std::filesystem::temp_directory_path() /
                ("plessard_input_fuzz_" + std::to_string(std::random_device{}()) + ".txt")) {}
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;
    ~ScratchFile() {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }

    void write(std::string_view bytes) const {
        std::ofstream file(path_, std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        file.close();
        require(!file.fail(), "the scratch file could not be written");
    }
    [[nodiscard]] const std::filesystem::path& path() const noexcept { return path_; }

  private:
    std::filesystem::path path_;
};

}  // namespace

// Inputs that begin with a zero byte are read from disk as well. The next two bytes give a
// number of blanks put before the rest, up to a few of the reader's chunks, so that fields and
// line ends fall across chunk boundaries. Other inputs are read from memory only, which is many
// times faster.
constexpr std::uint8_t disk_marker = 0;
constexpr std::size_t longest_padding = 3 * 4096;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    const bool to_disk = size >= 3 && data[0] == disk_marker;
    if (to_disk) {
        const std::size_t padding =
            ((static_cast<std::size_t>(data[1]) << 8U) | data[2]) % (longest_padding + 1);
        bytes = std::string(padding, ' ') + bytes.substr(3);
    }
    const std::string name(memory_name);
    const Outcome from_memory = outcome_of(
        [&] {
            auto file = plessard::input::FieldReader::from_memory(bytes, name);
            return plessard::input::read_part_dimensions(file);
        },
        name);
    if (!to_disk) {
        return 0;
    }

    static const ScratchFile scratch;
    scratch.write(bytes);
    const Outcome from_disk =
        outcome_of([&] { return plessard::input::read_part_dimensions_file(scratch.path()); },
                   scratch.path().string());

    require(from_memory.part.has_value() == from_disk.part.has_value(),
            "the same bytes read from memory and from disk: one read failed, one did not");
    if (from_memory.part) {
        require(bits_of(*from_memory.part) == bits_of(*from_disk.part),
                "the same bytes read from memory and from disk gave other values");
    } else {
        require(from_memory.number == from_disk.number && from_memory.cause == from_disk.cause,
                "the same bytes read from memory and from disk failed in other ways");
    }
    return 0;
}
