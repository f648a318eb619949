#pragma once

#include <cstdint>

namespace plessard::params {

// The rectangular array of parts: gaps DX, DY and counts NX, NY, each within its rule.
struct ArrayParameters {
    float DX = 0.0F;
    float DY = 0.0F;
    std::int32_t NX = 1;
    std::int32_t NY = 1;

    friend bool operator==(const ArrayParameters&, const ArrayParameters&) = default;
};

}  // namespace plessard::params
