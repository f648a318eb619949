#pragma once

namespace plessard::platform {

// The base of an abstract class that is used through references: it cannot be copied, so no
// copy ever slices an object down to its interface, and only the classes built on it move.
class Interface {
  public:
    Interface() = default;
    Interface(const Interface&) = delete;
    Interface& operator=(const Interface&) = delete;
    virtual ~Interface() = default;

  protected:
    Interface(Interface&&) = default;
    Interface& operator=(Interface&&) = default;
};

}  // namespace plessard::platform
