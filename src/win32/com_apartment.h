#pragma once

#include <objbase.h>

namespace plessard::win32 {

// COM on the window's thread for as long as the object lives: the accessible objects the
// controls hand to screen readers are marshalled through it.
class ComApartment {
  public:
    ComApartment() noexcept
        : joined_(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (joined_) {
            ::CoUninitialize();
        }
    }

  private:
    bool joined_;
};

}  // namespace plessard::win32
