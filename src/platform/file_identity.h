#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace plessard::platform {

// What the system tells of a file through an open descriptor (a HANDLE on Windows), taken while
// it is open so that no renaming meanwhile can pass another file off as this one. Windows may
// leave parts of it untold: some redirected and virtual drives give no volume serial number or
// a file index of 0 for every file.
struct FileIdentity {
    std::uint64_t volume = 0;               // the device, or the volume serial number; 0: untold
    std::array<unsigned char, 16> index{};  // the inode, or the file index; all 0: untold
    std::wstring final_path;                // as Windows resolves the open file; empty: untold
    // The size and the creation and last change times (on Windows only; all 0: untold): what
    // the file says of itself, which with an equal index shows one file where nothing else does.
    std::array<std::int64_t, 3> stamp{};
};

// Whether two identities are of one file. Volume and index decide where both are told; where
// either is not, the final paths do, compared without regard to case as Windows names files;
// where a final path is untold too, an index and a stamp that are both told and equal. An
// identity that tells too little is never the same as another: refusing to write on too little
// would refuse every write on such a drive.
[[nodiscard]] bool is_same_file(const FileIdentity& a, const FileIdentity& b);

}  // namespace plessard::platform
