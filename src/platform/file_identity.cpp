#include "platform/file_identity.h"

#include <algorithm>

namespace plessard::platform {
namespace {

bool index_told(const FileIdentity& identity) {
    return std::any_of(identity.index.begin(), identity.index.end(),
                       [](unsigned char byte) { return byte != 0; });
}

bool told(const FileIdentity& identity) {
    return identity.volume != 0 && index_told(identity);
}

wchar_t folded(wchar_t c) {
    return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

// Windows names files without regard to case. The letters beyond ASCII are folded by the system
// as it gives the path, in its own way; these are folded here, so the rule holds on any system.
bool same_path(const std::wstring& a, const std::wstring& b) {
    return !a.empty() && std::equal(a.begin(), a.end(), b.begin(), b.end(),
                                    [](wchar_t x, wchar_t y) { return folded(x) == folded(y); });
}

}  // namespace

bool is_same_file(const FileIdentity& a, const FileIdentity& b) {
    if (told(a) && told(b)) {
        return a.volume == b.volume && a.index == b.index;
    }
    if (!a.final_path.empty() && !b.final_path.empty()) {
        return same_path(a.final_path, b.final_path);
    }
    // Wine gives a standard handle it makes from a POSIX descriptor neither a volume nor a
    // final path, but its index and stamp.
    const bool stamped = a.stamp != decltype(a.stamp){};
    return index_told(a) && a.index == b.index && stamped && a.stamp == b.stamp;
}

}  // namespace plessard::platform
