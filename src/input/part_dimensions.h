#pragma once

#include <array>
#include <string>
#include <string_view>

namespace plessard::input {

// The six dimensions of the L-shaped part, as the dimension drawing marks them.
struct PartDimensions {
    float L1 = 0.0F;  // overall length along the bottom edge
    float L2 = 0.0F;  // width of the upright
    float H1 = 0.0F;  // overall height along the left side
    float H2 = 0.0F;  // height of the short right leg
    float R1 = 0.0F;  // radius of the top-left, bottom-left and bottom-right corners
    float R2 = 0.0F;  // radius of the other three corners

    friend bool operator==(const PartDimensions&, const PartDimensions&) = default;
};

// The names of the six fields in their order, as the drawing, the labels and messages use them.
inline constexpr std::array<std::string_view, 6> dimension_names{"L1", "L2", "H1",
                                                                 "H2", "R1", "R2"};

// The six names in their order with the separator between them: "L1, L2, H1, H2, R1, R2".
[[nodiscard]] inline std::string joined_dimension_names(std::string_view separator) {
    std::string joined;
    for (const std::string_view name : dimension_names) {
        joined.append(joined.empty() ? std::string_view{} : separator).append(name);
    }
    return joined;
}

}  // namespace plessard::input
