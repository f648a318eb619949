#pragma once

#include <cstdint>

namespace plessard::params {

// The rectangular array of parts: gaps DX, DY (0 to 100) and counts NX, NY (1 to 10).
struct ArrayParameters {
    float DX = 0.0F;
    float DY = 0.0F;
    std::int32_t NX = 1;
    std::int32_t NY = 1;

    friend bool operator==(const ArrayParameters&, const ArrayParameters&) = default;
};

}  // namespace plessard::params
